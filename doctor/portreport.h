#pragma once

#include <QList>
#include <QString>
#include <functional>

class SystemProbe;

// Com1..Com16 with their devices and whether each opens, or why not.
namespace PortReport {

enum class State { Opens, Absent, PermissionDenied, InUse, Fails };

struct Entry {
    int portNo = 0; // 0 for a device outside the table
    QString device;
    State state = State::Absent;
    QString group; // to join, when permission is denied; empty when none would help
    int sameAs = 0; // outside the table: the port whose device it leads to
    QString adapter; // the system's description of it; empty when unknown
};

// deviceOf gives the device of a port number with the [Ports] map applied.
// all adds the serial devices that no port number names.
QList<Entry> build(const SystemProbe& probe, const std::function<QString(int)>& deviceOf, bool all);

// "opens", "absent", "permission-denied", "in-use" or "fails", as JSON gives it.
QString stateName(State state);
// For people, in their language: "opens", "absent", "permission denied"...
QString stateText(State state);

} // namespace PortReport
