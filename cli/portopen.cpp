#include "portopen.h"

#include "console.h"
#include "serialline.h"

ExitCode openPort(
    SerialLine& line, const PortName& port, const SystemProbe& probe, Console& console)
{
    if (port.kind() == PortName::Kind::None) {
        console.error(u"no port is chosen: pass --port, or choose one with ComPort in "
                      u"TZ586KV Link"_qs);
        return ExitCode::PortUnavailable;
    }
    if (!port.isValid()) {
        console.error(port.error());
        return ExitCode::PortUnavailable;
    }
    if (line.open(port.device()))
        return ExitCode::Done;
    const QString name = port.label();
    switch (line.lastOpenFailure()) {
    case SerialLine::OpenFailure::NoDevice:
        console.error(name + u" does not exist ('tz586kv ports' lists the ports)"_qs);
        break;
    case SerialLine::OpenFailure::PermissionDenied: {
        const QString group = Doctor::groupToJoin(probe, port.device());
        const QString join
            = group.isEmpty() ? QString() : u" join group %1 and log in again;"_qs.arg(group);
        console.error(u"permission denied on %1:%2 'tz586kv doctor' tells more"_qs.arg(name, join));
        break;
    }
    case SerialLine::OpenFailure::InUse:
        console.error(name + u" is in use by another program, perhaps TZ586KV Link"_qs);
        break;
    case SerialLine::OpenFailure::UnknownHost:
    case SerialLine::OpenFailure::Refused:
    case SerialLine::OpenFailure::Unreachable:
        console.error(name + u" cannot be opened: "_qs + line.openFailureText());
        break;
    case SerialLine::OpenFailure::None:
    case SerialLine::OpenFailure::Other:
        console.error(name + u" cannot be opened ('tz586kv doctor' may tell why)"_qs);
        break;
    }
    return ExitCode::PortUnavailable;
}
