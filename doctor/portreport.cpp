#include "portreport.h"

#include "doctor.h"
#include "portname.h"
#include "serialline.h"
#include "systemprobe.h"

#include <algorithm>

namespace PortReport {

namespace {

    Entry probed(const SystemProbe& probe, int portNo, const QString& device)
    {
        Entry entry;
        entry.portNo = portNo;
        entry.device = device;
        switch (probe.openFailure(device)) {
        case SerialLine::OpenFailure::None:
            entry.state = State::Opens;
            break;
        case SerialLine::OpenFailure::NoDevice:
            entry.state = State::Absent;
            break;
        case SerialLine::OpenFailure::PermissionDenied:
            entry.state = State::PermissionDenied;
            entry.group = Doctor::groupToJoin(probe, device);
            break;
        case SerialLine::OpenFailure::InUse:
            entry.state = State::InUse;
            break;
        case SerialLine::OpenFailure::Other:
        case SerialLine::OpenFailure::UnknownHost:
        case SerialLine::OpenFailure::Refused:
        case SerialLine::OpenFailure::Unreachable:
            entry.state = State::Fails;
            break;
        }
        return entry;
    }

    // The serial devices that no port number names.
    void addUnnamed(
        const SystemProbe& probe, QList<Entry>& report, const QMap<QString, int>& numbered)
    {
        for (const QString& device : probe.serialDevices()) {
            const bool named = std::any_of(report.cbegin(), report.cend(),
                [&](const Entry& e) { return e.portNo != 0 && e.device == device; });
            if (named)
                continue;
            Entry entry = probed(probe, 0, device);
            entry.sameAs = numbered.value(probe.resolved(device));
            report.append(entry);
        }
    }

} // namespace

QList<Entry> build(const SystemProbe& probe, const std::function<QString(int)>& deviceOf, bool all)
{
    QList<Entry> report;
    const QMap<QString, QString> adapters = probe.adapterNames();
    QMap<QString, int> numbered; // the first port number that leads to each node
    for (int p : PortName::listedNumbers(probe.serialDevices())) {
        const QString device = deviceOf(p);
        if (device.isEmpty())
            continue;
        if (const QString node = probe.resolved(device); !numbered.contains(node))
            numbered.insert(node, p);
        report.append(probed(probe, p, device));
    }
    if (all)
        addUnnamed(probe, report, numbered);
    for (Entry& entry : report)
        entry.adapter = adapters.value(probe.resolved(entry.device));
    return report;
}

QString stateName(State state)
{
    switch (state) {
    case State::Opens:
        return u"opens"_qs;
    case State::Absent:
        return u"absent"_qs;
    case State::PermissionDenied:
        return u"permission-denied"_qs;
    case State::InUse:
        return u"in-use"_qs;
    case State::Fails:
        return u"fails"_qs;
    }
    return {};
}

} // namespace PortReport
