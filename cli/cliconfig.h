#pragma once

#include "portname.h"

#include <QString>

// The window's configuration file, read the window's way: the port of
// [RS232C] CommPort and the [Ports] map. The command line never writes it.
class CliConfig {
public:
    // programDir: the folder of the running program.
    explicit CliConfig(const QString& programDir);

    const QString& iniPath() const { return m_iniPath; }
    QString deviceOf(int portNo) const;
    // The port of --port (any form PortName reads), or the configured one
    // when option is null: a number or demo, as the window stores it.
    PortName port(const QString& option) const;

private:
    QString m_iniPath;
};
