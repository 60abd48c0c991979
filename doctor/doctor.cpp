#include "doctor.h"

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
    };

    using CheckFn = void (*)(const Context&, QList<Finding>&);

    Phrase said(const char* source) { return Phrase::of("Doctor", source); }

    void checkPort(const Context& c, QList<Finding>& out)
    {
        const QString name = c.port.label();
        if (c.port.kind() == PortName::Kind::None) {
            out.append({ Check::NoPort, Severity::Problem,
                said(QT_TRANSLATE_NOOP("Doctor", "No port is chosen.")),
                said(QT_TRANSLATE_NOOP("Doctor",
                    "Choose the controller's port: ComPort in the window, or --port on the "
                    "command line.")) });
            return;
        }
        switch (c.portFailure) {
        case Failure::NoDevice:
            out.append({ Check::PortAbsent, Severity::Problem,
                said(QT_TRANSLATE_NOOP("Doctor", "%1 does not exist.")).arg(name),
                said(QT_TRANSLATE_NOOP("Doctor",
                    "Plug in the adapter, or choose the port it appears as (tz586kv ports lists "
                    "them).")) });
            break;
        case Failure::InUse:
            out.append({ Check::PortInUse, Severity::Problem,
                said(QT_TRANSLATE_NOOP("Doctor", "%1 is in use by another program.")).arg(name),
                HostTexts::inUseFix(c.port.device()) });
            break;
        case Failure::Other:
            out.append({ Check::PortFails, Severity::Problem,
                said(QT_TRANSLATE_NOOP("Doctor", "%1 exists but does not open as a serial port."))
                    .arg(name),
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
                said(QT_TRANSLATE_NOOP("Doctor", "The host name of %1 is unknown.")).arg(name),
                said(QT_TRANSLATE_NOOP("Doctor",
                    "Check the name under [Ports] or --port, or give the bridge's IP address.")) });
            break;
        case Failure::Refused:
            out.append({ Check::Refused, Severity::Problem,
                said(QT_TRANSLATE_NOOP("Doctor", "%1 refuses the connection.")).arg(name),
                said(QT_TRANSLATE_NOOP("Doctor",
                    "Check that the serial bridge (ser2net or the like) runs and serves this port "
                    "in raw mode, and that nothing else is connected to it.")) });
            break;
        case Failure::None:
            break;
        default:
            out.append({ Check::Unreachable, Severity::Problem,
                said(QT_TRANSLATE_NOOP(
                         "Doctor", "%1 cannot be reached: no route, or no answer within 3 s."))
                    .arg(name),
                said(QT_TRANSLATE_NOOP("Doctor",
                    "Check that the bridge's machine is on and on this network, and that no "
                    "firewall stands between.")) });
            break;
        }
    }

    void checkAdapter(const Context& c, QList<Finding>& out)
    {
        const bool portMissing
            = c.port.kind() == PortName::Kind::None || c.portFailure == Failure::NoDevice;
        if (c.adapters.isEmpty() && portMissing)
            out.append({ Check::NoAdapter, Severity::Problem, HostTexts::noAdapterLine(),
                HostTexts::noAdapterFix() });
    }

    Finding groupFinding(const SystemProbe& probe, const QString& group, const QString& device)
    {
        const QString user = probe.userName();
        if (group.isEmpty())
            return { Check::Group, Severity::Problem,
                said(QT_TRANSLATE_NOOP("Doctor", "%1 is open to root only.")).arg(device),
                said(QT_TRANSLATE_NOOP("Doctor",
                    "A udev rule must give it to a group you are in; the package's "
                    "60-tz586kv-link.rules does so for the common USB-serial adapters.")) };
        if (probe.sessionGroups().contains(group))
            return { Check::Group, Severity::Problem,
                said(
                    QT_TRANSLATE_NOOP("Doctor", "%1 refuses you although you are in its group %2."))
                    .arg(device, group),
                said(QT_TRANSLATE_NOOP("Doctor",
                         "Its mode keeps the group out (ls -l %1); plug the adapter in again so "
                         "that "
                         "udev sets it anew."))
                    .arg(device) };
        if (probe.accountGroups().contains(group))
            return { Check::Relogin, Severity::Problem,
                said(QT_TRANSLATE_NOOP("Doctor",
                         "You were added to group %1, but this login is older than that."))
                    .arg(group),
                said(QT_TRANSLATE_NOOP(
                         "Doctor", "Log out and in again (or run newgrp %1 in this shell)."))
                    .arg(group) };
        return { Check::Group, Severity::Problem,
            said(QT_TRANSLATE_NOOP("Doctor", "You (%1) are not in group %2, which owns %3."))
                .arg(user, group, device),
            said(QT_TRANSLATE_NOOP(
                     "Doctor", "Run sudo usermod -aG %1 %2, then log out and in again."))
                .arg(group, user) };
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
        const Phrase fix = said(
            QT_TRANSLATE_NOOP("Doctor", "Without a braille display: sudo apt-get remove brltty."));
        if (c.probe.processRunning(u"brltty"_qs))
            out.append({ Check::Brltty, Severity::Problem,
                said(QT_TRANSLATE_NOOP(
                    "Doctor", "brltty is running; it seizes CH340 and CP210x adapters.")),
                fix });
        else if (c.probe.packageInstalled(u"brltty"_qs))
            out.append({ Check::Brltty, Severity::Warning,
                said(QT_TRANSLATE_NOOP("Doctor",
                    "brltty is installed; it seizes CH340 and CP210x adapters when they are "
                    "plugged in.")),
                fix });
    }

    void checkModemManager(const Context& c, QList<Finding>& out)
    {
        if (c.probe.processRunning(u"ModemManager"_qs))
            out.append({ Check::ModemManager, Severity::Warning,
                said(QT_TRANSLATE_NOOP("Doctor",
                    "ModemManager is running; it probes new USB-serial adapters and may hold them "
                    "for a while.")),
                said(QT_TRANSLATE_NOOP(
                    "Doctor", "Without a modem: sudo systemctl disable --now ModemManager.")) });
    }

    void checkController(const Context& c, QList<Finding>& out)
    {
        if (!c.answers)
            return;
        const ControllerAnswer answer = c.portFailure == Failure::None ? c.answers(c.port.device())
                                                                       : ControllerAnswer::NotAsked;
        if (answer == ControllerAnswer::Silent)
            out.append({ Check::Silent, Severity::Problem,
                said(QT_TRANSLATE_NOOP(
                         "Doctor", "%1 opens but the controller does not answer \"sr\"."))
                    .arg(c.port.label()),
                said(QT_TRANSLATE_NOOP("Doctor",
                    "Check the cable, that the controller is powered, and that this is its "
                    "port.")) });
        else if (answer == ControllerAnswer::NotAsked)
            out.append({ Check::NotAsked, Severity::Warning,
                c.port.device().isEmpty()
                    ? said(QT_TRANSLATE_NOOP("Doctor",
                        "The controller was not asked for its settings: no port is chosen."))
                    : said(QT_TRANSLATE_NOOP("Doctor",
                               "The controller was not asked for its settings: %1 did not open."))
                          .arg(c.port.label()),
                said(QT_TRANSLATE_NOOP("Doctor", "Once the port opens, diagnose again.")) });
    }

    constexpr std::array<CheckFn, 6> Checks {
        checkPort,
        checkAdapter,
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
        return { { Check::BadName, Severity::Problem,
            said(QT_TRANSLATE_NOOP("Doctor", "%1.")).arg(port.errorPhrase()),
            said(QT_TRANSLATE_NOOP("Doctor",
                "Name the port by its number (3 or Com3), a device path, demo or tcp://HOST:PORT, "
                "on --port or under [Ports].")) } };
    const Failure portFailure
        = port.isValid() ? probe.openFailure(port.device()) : Failure::NoDevice;
    QList<Finding> findings;
    if (port.kind() == PortName::Kind::Demo || port.kind() == PortName::Kind::Network) {
        const Context context { probe, port, answers, portFailure, {} };
        for (const CheckFn check : LineChecks)
            check(context, findings);
        return findings;
    }
    const Context context { probe, port, answers, portFailure, probe.serialDevices() };
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
    }
    return {};
}

} // namespace Doctor
