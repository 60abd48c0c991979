#include "cliconfig.h"

#include "configuration.h"
#include "porttable.h"

CliConfig::CliConfig(const QString& programDir)
    : m_iniPath(Configuration::choosePath(programDir))
{
}

QString CliConfig::deviceOf(int portNo) const
{
    return portDevice(portNo, Configuration(m_iniPath).portOverrides());
}

Doctor::Port CliConfig::port(const QString& option) const
{
    if (option.contains(u'/'))
        return { 0, option };
    int number = 0;
    if (!option.isNull()) {
        number = option.toInt();
    } else {
        number = Configuration(m_iniPath).portNumber().value_or(0);
    }
    return { number, deviceOf(number) };
}
