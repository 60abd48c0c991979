#include "portreport.h"

#include "doctor.h"
#include "portname.h"
#include "serialline.h"
#include "systemprobe.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace PortReport {

namespace {

    // The serial devices that no port number names.
    void addUnnamed(const SystemProbe& probe, QList<Entry>& report)
    {
        QMap<QString, int> numbered; // the first port number that leads to each node
        for (const Entry& e : std::as_const(report)) {
            if (const QString node = probe.resolved(e.device); !numbered.contains(node))
                numbered.insert(node, e.portNo);
        }
        const QMap<QString, QString> adapters = probe.adapterNames();
        for (const QString& device : probe.serialDevices()) {
            const bool named = std::any_of(report.cbegin(), report.cend(),
                [&](const Entry& e) { return e.portNo != 0 && e.device == device; });
            if (named)
                continue;
            Entry entry;
            entry.device = device;
            check(probe, entry);
            entry.sameAs = numbered.value(probe.resolved(device));
            entry.adapter = adapters.value(probe.resolved(device));
            report.append(entry);
        }
    }

} // namespace

QList<Entry> listed(const SystemProbe& probe, const std::function<QString(int)>& deviceOf)
{
    const QMap<QString, QString> adapters = probe.adapterNames();
    QList<Entry> entries;
    for (int p : PortName::listedNumbers(probe.serialDevices())) {
        Entry entry;
        entry.portNo = p;
        entry.device = deviceOf(p);
        if (entry.device.isEmpty())
            continue;
        entry.adapter = adapters.value(probe.resolved(entry.device));
        entries.append(entry);
    }
    return entries;
}

void check(const SystemProbe& probe, Entry& entry)
{
    switch (probe.openFailure(entry.device)) {
    case SerialLine::OpenFailure::None:
        entry.state = State::Opens;
        break;
    case SerialLine::OpenFailure::NoDevice:
        entry.state = State::Absent;
        break;
    case SerialLine::OpenFailure::PermissionDenied:
        entry.state = State::PermissionDenied;
        entry.group = Doctor::groupToJoin(probe, entry.device);
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
}

QList<Entry> build(const SystemProbe& probe, const std::function<QString(int)>& deviceOf, bool all)
{
    QList<Entry> report = listed(probe, deviceOf);
    for (Entry& entry : report)
        check(probe, entry);
    if (all)
        addUnnamed(probe, report);
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
    case State::NoAnswer:
        return u"no-answer"_qs;
    }
    return {};
}

QString stateText(State state)
{
    static constexpr std::array<const char*, 6> Texts { QT_TRANSLATE_NOOP("PortReport", "opens"),
        QT_TRANSLATE_NOOP("PortReport", "absent"),
        QT_TRANSLATE_NOOP("PortReport", "permission denied"),
        QT_TRANSLATE_NOOP("PortReport", "in use"), QT_TRANSLATE_NOOP("PortReport", "fails"),
        QT_TRANSLATE_NOOP("PortReport", "no answer") };
    return QCoreApplication::translate("PortReport", Texts[size_t(state)]);
}

} // namespace PortReport
