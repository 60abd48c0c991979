#include "doctor.h"

#include "devicefindings.h"
#include "hosttexts.h"
#include "systemprobe.h"

#include <array>

namespace Doctor {

namespace {

    using Failure = SerialLine::OpenFailure;

    struct Context {
        const SystemProbe& probe;
        const PortName& port;
        const ControllerCheck& answers;
        Failure portFailure;
        QStringList adapters;
        QList<AdapterDevice> devices;
    };

    using CheckFn = void (*)(const Context&, QList<Finding>&);

    void checkPort(const Context& c, QList<Finding>& out)
    {
        const QString name = c.port.label();
        if (c.port.kind() == PortName::Kind::None) {
            out.append({ Check::NoPort, Severity::Problem, u"No port is chosen."_qs,
                u"Choose the controller's port: ComPort in the window, or --port on the "
                u"command line."_qs });
            return;
        }
        switch (c.portFailure) {
        case Failure::NoDevice:
            out.append({ Check::PortAbsent, Severity::Problem, name + u" does not exist."_qs,
                u"Plug in the adapter, or choose the port it appears as (tz586kv ports "
                u"lists them)."_qs });
            break;
        case Failure::InUse:
            out.append(
                { Check::PortInUse, Severity::Problem, name + u" is in use by another program."_qs,
                    HostTexts::inUseFix(c.port.device()) });
            break;
        case Failure::Other:
            out.append({ Check::PortFails, Severity::Problem,
                name + u" exists but does not open as a serial port."_qs,
                HostTexts::portFailsFix() });
            break;
        case Failure::None:
        case Failure::PermissionDenied:
        case Failure::UnknownHost:
        case Failure::Refused:
        case Failure::Unreachable:
            break;
        }
    }

    void checkConnection(const Context& c, QList<Finding>& out)
    {
        const QString name = c.port.label();
        switch (c.portFailure) {
        case Failure::UnknownHost:
            out.append({ Check::HostUnknown, Severity::Problem,
                u"The host name of %1 is unknown."_qs.arg(name),
                u"Check the name under [Ports] or --port, or give the bridge's IP address."_qs });
            break;
        case Failure::Refused:
            out.append({ Check::Refused, Severity::Problem, name + u" refuses the connection."_qs,
                u"Check that the serial bridge (ser2net or the like) runs and serves this port "
                u"in raw mode, and that nothing else is connected to it."_qs });
            break;
        case Failure::None:
            break;
        default:
            out.append({ Check::Unreachable, Severity::Problem,
                u"%1 cannot be reached: no route, or no answer within 3 s."_qs.arg(name),
                u"Check that the bridge's machine is on and on this network, and that no "
                u"firewall stands between."_qs });
            break;
        }
    }

    void checkAdapter(const Context& c, QList<Finding>& out)
    {
        const bool portMissing
            = c.port.kind() == PortName::Kind::None || c.portFailure == Failure::NoDevice;
        // An adapter without a driver has no port, yet is plugged in.
        if (c.adapters.isEmpty() && portMissing && c.devices.isEmpty())
            out.append({ Check::NoAdapter, Severity::Problem, HostTexts::noAdapterLine(),
                HostTexts::noAdapterFix() });
    }

    Finding groupFinding(const SystemProbe& probe, const QString& group, const QString& device)
    {
        const QString user = probe.userName();
        if (group.isEmpty())
            return { Check::Group, Severity::Problem, device + u" is open to root only."_qs,
                u"A udev rule must give it to a group you are in; the package's "
                u"60-tz586kv-link.rules does so for the common USB-serial adapters."_qs };
        if (probe.sessionGroups().contains(group))
            return { Check::Group, Severity::Problem,
                u"%1 refuses you although you are in its group %2."_qs.arg(device, group),
                u"Its mode keeps the group out (ls -l %1); plug the adapter in again so that "
                u"udev sets it anew."_qs.arg(device) };
        if (probe.accountGroups().contains(group))
            return { Check::Relogin, Severity::Problem,
                u"You were added to group %1, but this login is older than that."_qs.arg(group),
                u"Log out and in again (or run newgrp %1 in this shell)."_qs.arg(group) };
        return { Check::Group, Severity::Problem,
            u"You (%1) are not in group %2, which owns %3."_qs.arg(user, group, device),
            u"Run sudo usermod -aG %1 %2, then log out and in again."_qs.arg(group, user) };
    }

    void checkDevices(const Context& c, QList<Finding>& out)
    {
        out.append(DeviceFindings::of(c.devices));
    }

    void checkGroups(const Context& c, QList<Finding>& out)
    {
        QStringList devices = c.adapters;
        if (c.portFailure != Failure::NoDevice && !c.port.device().isEmpty())
            devices.prepend(c.port.device());
        QStringList seenNodes;
        QStringList seenGroups;
        for (const QString& device : devices) {
            const QString node = c.probe.resolved(device);
            if (seenNodes.contains(node))
                continue;
            seenNodes.append(node);
            const Failure failure
                = device == c.port.device() ? c.portFailure : c.probe.openFailure(device);
            if (failure != Failure::PermissionDenied)
                continue;
            const QString group = groupToJoin(c.probe, device);
            if (seenGroups.contains(group))
                continue;
            seenGroups.append(group);
            out.append(groupFinding(c.probe, group, device));
        }
    }

    void checkBrltty(const Context& c, QList<Finding>& out)
    {
        const QString fix = u"Without a braille display: sudo apt-get remove brltty."_qs;
        if (c.probe.processRunning(u"brltty"_qs))
            out.append({ Check::Brltty, Severity::Problem,
                u"brltty is running; it seizes CH340 and CP210x adapters."_qs, fix });
        else if (c.probe.packageInstalled(u"brltty"_qs))
            out.append({ Check::Brltty, Severity::Warning,
                u"brltty is installed; it seizes CH340 and CP210x adapters when they are "
                u"plugged in."_qs,
                fix });
    }

    void checkModemManager(const Context& c, QList<Finding>& out)
    {
        if (c.probe.processRunning(u"ModemManager"_qs))
            out.append({ Check::ModemManager, Severity::Warning,
                u"ModemManager is running; it probes new USB-serial adapters and may hold "
                u"them for a while."_qs,
                u"Without a modem: sudo systemctl disable --now ModemManager."_qs });
    }

    void checkController(const Context& c, QList<Finding>& out)
    {
        if (!c.answers)
            return;
        const ControllerAnswer answer = c.portFailure == Failure::None ? c.answers(c.port.device())
                                                                       : ControllerAnswer::NotAsked;
        if (answer == ControllerAnswer::Silent)
            out.append({ Check::Silent, Severity::Problem,
                c.port.label() + u" opens but the controller does not answer \"sr\"."_qs,
                u"Check the cable, that the controller is powered, and that this is its "
                u"port."_qs });
        else if (answer == ControllerAnswer::NotAsked)
            out.append({ Check::NotAsked, Severity::Warning,
                u"The controller was not asked for its settings: %1."_qs.arg(
                    c.port.device().isEmpty() ? u"no port is chosen"_qs
                                              : c.port.label() + u" did not open"_qs),
                u"Once the port opens, diagnose again."_qs });
    }

    constexpr std::array<CheckFn, 7> Checks {
        checkPort,
        checkAdapter,
        checkDevices,
        checkGroups,
        checkBrltty,
        checkModemManager,
        checkController,
    };
    // No adapter, group or driver stands between this machine and a network
    // port or the demo controller.
    constexpr std::array<CheckFn, 2> LineChecks {
        checkConnection,
        checkController,
    };

} // namespace

QList<Finding> diagnose(
    const SystemProbe& probe, const PortName& port, const ControllerCheck& answers)
{
    if (port.kind() == PortName::Kind::Invalid)
        return { { Check::BadName, Severity::Problem, port.error() + u'.',
            u"Name the port by its number (3 or Com3), a device path, demo or tcp://HOST:PORT, "
            u"on --port or under [Ports]."_qs } };
    const Failure portFailure
        = port.isValid() ? probe.openFailure(port.device()) : Failure::NoDevice;
    QList<Finding> findings;
    if (port.kind() == PortName::Kind::Demo || port.kind() == PortName::Kind::Network) {
        const Context context { probe, port, answers, portFailure, {}, {} };
        for (const CheckFn check : LineChecks)
            check(context, findings);
        return findings;
    }
    const Context context { probe, port, answers, portFailure, probe.serialDevices(),
        probe.adapterDevices() };
    for (const CheckFn check : Checks)
        check(context, findings);
    return findings;
}

QString groupToJoin(const SystemProbe& probe, const QString& device)
{
    const QString group = probe.ownerGroup(device);
    return group == u"root"_qs ? QString() : group;
}

QString checkName(Check check)
{
    switch (check) {
    case Check::NoPort:
        return u"no-port"_qs;
    case Check::BadName:
        return u"bad-name"_qs;
    case Check::PortAbsent:
        return u"port-absent"_qs;
    case Check::PortInUse:
        return u"port-in-use"_qs;
    case Check::PortFails:
        return u"port-fails"_qs;
    case Check::NoAdapter:
        return u"no-adapter"_qs;
    case Check::Group:
        return u"group"_qs;
    case Check::Relogin:
        return u"relogin"_qs;
    case Check::Brltty:
        return u"brltty"_qs;
    case Check::ModemManager:
        return u"modemmanager"_qs;
    case Check::Silent:
        return u"silent"_qs;
    case Check::HostUnknown:
        return u"host-unknown"_qs;
    case Check::Refused:
        return u"refused"_qs;
    case Check::Unreachable:
        return u"unreachable"_qs;
    case Check::NotAsked:
        return u"not-asked"_qs;
    case Check::NoDriver:
        return u"no-driver"_qs;
    case Check::CannotStart:
        return u"cannot-start"_qs;
    case Check::DeviceStopped:
        return u"device-stopped"_qs;
    case Check::DeviceProblem:
        return u"device-problem"_qs;
    case Check::CounterfeitChip:
        return u"counterfeit-chip"_qs;
    case Check::ChipPhasedOut:
        return u"chip-phased-out"_qs;
    case Check::LatencyTimer:
        return u"latency-timer"_qs;
    }
    return {};
}

} // namespace Doctor
