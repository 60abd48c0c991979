#include "cliconfig.h"

#include "configuration.h"
#include "demoline.h"
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
    const Configuration config(m_iniPath);
    const QString name = option.isNull() ? config.portName() : option;
    if (DemoLine::isDemoDevice(name))
        return { 0, DemoLine::Device };
    const int number = option.isNull() ? config.portNumber().value_or(0) : option.toInt();
    return { number, deviceOf(number) };
}
