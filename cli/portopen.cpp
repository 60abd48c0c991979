#include "portopen.h"

#include "console.h"
#include "serialline.h"

#include <QCoreApplication>

namespace {

struct PortOpenText {
    Q_DECLARE_TR_FUNCTIONS(PortOpen)
};

// Why the port does not open, in the language in force.
QString failureText(SerialLine& line, const PortName& port, const SystemProbe& probe)
{
    const QString name = port.label();
    switch (line.lastOpenFailure()) {
    case SerialLine::OpenFailure::NoDevice:
        return PortOpenText::tr("%1 does not exist ('tz586kv ports' lists the ports)").arg(name);
    case SerialLine::OpenFailure::PermissionDenied: {
        const QString group = Doctor::groupToJoin(probe, port.device());
        if (group.isEmpty())
            return PortOpenText::tr("permission denied on %1: 'tz586kv doctor' tells more")
                .arg(name);
        return PortOpenText::tr(
            "permission denied on %1: join group %2 and log in again; 'tz586kv doctor' tells more")
            .arg(name, group);
    }
    case SerialLine::OpenFailure::InUse:
        return PortOpenText::tr("%1 is in use by another program, perhaps TZ586KV Link").arg(name);
    case SerialLine::OpenFailure::UnknownHost:
    case SerialLine::OpenFailure::Refused:
    case SerialLine::OpenFailure::Unreachable:
        return PortOpenText::tr("%1 cannot be opened: %2").arg(name, line.openFailureText());
    case SerialLine::OpenFailure::None:
    case SerialLine::OpenFailure::Other:
        break;
    }
    return PortOpenText::tr("%1 cannot be opened ('tz586kv doctor' may tell why)").arg(name);
}

} // namespace

ExitCode openPort(
    SerialLine& line, const PortName& port, const SystemProbe& probe, Console& console)
{
    if (port.kind() == PortName::Kind::None) {
        console.error([] {
            return PortOpenText::tr(
                "no port is chosen: pass --port, or choose one with ComPort in TZ586KV Link");
        });
        return ExitCode::PortUnavailable;
    }
    if (!port.isValid()) {
        console.error([&port] { return port.error(); });
        return ExitCode::PortUnavailable;
    }
    if (line.open(port.device()))
        return ExitCode::Done;
    console.error([&] { return failureText(line, port, probe); });
    return ExitCode::PortUnavailable;
}
