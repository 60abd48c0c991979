#include "cliconfig.h"

#include "configuration.h"

CliConfig::CliConfig(const QString& programDir)
    : m_iniPath(Configuration::choosePath(programDir))
{
}

QString CliConfig::deviceOf(int portNo) const
{
    return PortName::ofNumber(portNo, Configuration(m_iniPath).portOverrides()).device();
}

PortName CliConfig::port(const QString& option) const
{
    const Configuration config(m_iniPath);
    if (!option.isNull())
        return PortName::parse(option, config.portOverrides());
    if (const std::optional<int16_t> number = config.portNumber(); number && *number != 0)
        return PortName::ofNumber(*number, config.portOverrides());
    const PortName stored = PortName::parse(config.portName());
    return stored.kind() == PortName::Kind::Demo ? stored : PortName();
}
