#pragma once

#include "phrase.h"
#include "portname.h"

#include <QList>
#include <QString>
#include <functional>

class SystemProbe;

// The connection doctor: what stops a serial port from working on this
// machine, each finding with its fix. A network port is checked for its
// host's name and connection, the demo controller only for its answer, and
// a name that does not read for nothing else.
namespace Doctor {

enum class Check {
    NoPort, // no port is chosen
    BadName, // the port's name does not read (a network port without its port...)
    PortAbsent,
    PortInUse,
    PortFails, // exists, may be used, yet does not open
    NoAdapter,
    Group, // the user may not open a device for want of its group
    Relogin, // added to the group, but this login predates it
    Brltty,
    ModemManager,
    Silent, // the port opens but the controller does not answer "sr"
    HostUnknown, // a network port's host name does not resolve
    Refused, // a network port's host refuses the connection
    Unreachable, // no route to a network port's host, or no answer in time
    NotAsked, // the controller could not be asked: the port did not open for it
};

enum class Severity {
    Problem, // stops the port from working
    Warning, // may stop it, now or when an adapter is plugged in
};

// Line and fix for people in their text, and in English for JSON in their source.
struct Finding {
    Check check;
    Severity severity;
    Phrase line;
    Phrase fix;
};

enum class ControllerAnswer {
    Answered, // a proper answer to "sr"
    Silent,
    NotAsked, // the device did not open for the question, or it was stopped
};

// Asks the controller behind device for its settings ("sr"). The device is
// closed when it is called.
using ControllerCheck = std::function<ControllerAnswer(const QString& device)>;

// Runs every check in turn; the controller is asked only when the port opens
// and answers is set, and a finding says so when it could not be.
QList<Finding> diagnose(
    const SystemProbe& probe, const PortName& port, const ControllerCheck& answers = {});

// The group that owns device, when joining it would let the user open it;
// empty for a device of root's.
QString groupToJoin(const SystemProbe& probe, const QString& device);

// Lower-case name of a check, as the JSON output gives it.
QString checkName(Check check);

} // namespace Doctor
