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
        const SystemProbe& probe, QList<Entry>& report, const QList<QString>& tableNodes)
    {
        for (const QString& device : probe.serialDevices()) {
            const bool named = std::any_of(report.cbegin(), report.cend(),
                [&](const Entry& e) { return e.portNo != 0 && e.device == device; });
            if (named)
                continue;
            Entry entry = probed(probe, 0, device);
            entry.sameAs = static_cast<int>(tableNodes.indexOf(probe.resolved(device))) + 1;
            report.append(entry);
        }
    }

} // namespace

QList<Entry> build(const SystemProbe& probe, const std::function<QString(int)>& deviceOf, bool all)
{
    QList<Entry> report;
    const QMap<QString, QString> adapters = probe.adapterNames();
    QList<QString> tableNodes; // resolved device of each port, by index
    for (int p = PortName::FirstNumber; p <= PortName::LastListed; ++p) {
        const QString device = deviceOf(p);
        tableNodes.append(device.isEmpty() ? QString() : probe.resolved(device));
        if (!device.isEmpty())
            report.append(probed(probe, p, device));
    }
    if (all)
        addUnnamed(probe, report, tableNodes);
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

QString stateText(State state)
{
    static constexpr std::array<const char*, 5> Texts { QT_TRANSLATE_NOOP("PortReport", "opens"),
        QT_TRANSLATE_NOOP("PortReport", "absent"),
        QT_TRANSLATE_NOOP("PortReport", "permission denied"),
        QT_TRANSLATE_NOOP("PortReport", "in use"), QT_TRANSLATE_NOOP("PortReport", "fails") };
    return QCoreApplication::translate("PortReport", Texts[size_t(state)]);
}

} // namespace PortReport
