#include "cliconfig.h"

#include "configlocation.h"
#include "inifile.h"
#include "numbertext.h"
#include "porttable.h"

CliConfig::CliConfig(const QString& programDir)
    : m_iniPath(ConfigLocation::choose(programDir, QString::fromUtf16(ConfigLocation::FileName)))
{
}

QString CliConfig::deviceOf(int portNo) const
{
    const IniFile ini(m_iniPath);
    return PortDevice(portNo, &ini);
}

Doctor::Port CliConfig::port(const QString& option) const
{
    if (option.contains(u'/'))
        return { 0, option };
    int number = 0;
    if (!option.isNull()) {
        number = option.toInt();
    } else {
        const QString stored = IniFile(m_iniPath).ReadIniKey(u"RS232C"_qs, u"CommPort"_qs);
        // The window's rule: "Error" is missing, otherwise the leading number.
        if (stored != u"Error"_qs)
            number = NumberText::toInt16(NumberText::leadingNumber(stored)).value_or(0);
    }
    return { number, deviceOf(number) };
}
