#include "devicefindings.h"

#include <QtGlobal>

namespace DeviceFindings {

namespace {

    using Doctor::Check;
    using Doctor::Finding;
    using Doctor::Severity;

    constexpr quint16 Ftdi = 0x0403;
    constexpr quint16 Prolific = 0x067B;
    constexpr int CannotStart = 10;
    // The most an FTDI driver should wait before it passes on what came in.
    constexpr int LatencyLimitMs = 16;

    struct Text {
        Check check;
        const char* line; // %1: the adapter
        const char* fix;
    };

    // By the Device Manager's problem code; the last one for any other.
    struct Problem {
        int code;
        Text text;
    };
    constexpr Problem Problems[] = {
        { 28,
            { Check::NoDriver, QT_TRANSLATE_NOOP("Doctor", "%1 has no driver (code 28)."),
                QT_TRANSLATE_NOOP("Doctor",
                    "Install the driver of its chip's maker (FTDI, Prolific, Silicon Labs or "
                    "WCH), or let Windows Update find one; then plug the adapter in again.") } },
        { CannotStart,
            { Check::CannotStart, QT_TRANSLATE_NOOP("Doctor", "%1 cannot start (code 10)."),
                QT_TRANSLATE_NOOP("Doctor",
                    "Plug it into another USB socket; should that not help, uninstall it in the "
                    "Device Manager together with its driver and install its chip maker's "
                    "driver anew.") } },
        { 43,
            { Check::DeviceStopped,
                QT_TRANSLATE_NOOP(
                    "Doctor", "Windows stopped %1 because it reported problems (code 43)."),
                QT_TRANSLATE_NOOP("Doctor",
                    "Plug it into another USB socket, without a hub. Should it stay, the adapter "
                    "is broken or its chip is a copy that the maker's driver refuses: use an "
                    "adapter with a genuine chip.") } },
        { 0,
            { Check::DeviceProblem,
                QT_TRANSLATE_NOOP("Doctor", "%1 does not work (Device Manager code %2)."),
                QT_TRANSLATE_NOOP("Doctor",
                    "Its properties in the Device Manager say why; uninstalling it there and "
                    "plugging it in again often helps.") } },
    };

    constexpr Text Counterfeit { Check::CounterfeitChip,
        QT_TRANSLATE_NOOP("Doctor",
            "%1 reports product ID 0000: FTDI's driver has disabled its chip as a counterfeit "
            "FT232R."),
        QT_TRANSLATE_NOOP("Doctor",
            "Use an adapter with a genuine FTDI chip. FT_PROG can set the product ID back to "
            "6001, but FTDI's drivers refuse the chip again.") };

    constexpr Text PhasedOut { Check::ChipPhasedOut,
        QT_TRANSLATE_NOOP("Doctor",
            "%1 is a Prolific PL2303 that its driver refuses (code 10): drivers since 2012 "
            "serve this older chip no longer (\"PHASED OUT SINCE 2012\")."),
        QT_TRANSLATE_NOOP("Doctor",
            "Install Prolific's older driver 3.3.2.102, choose it in the Device Manager "
            "(Update driver, Browse my computer, Let me pick) and keep Windows Update from "
            "replacing it; or use an adapter with a current chip.") };

    constexpr Text Latency { Check::LatencyTimer,
        QT_TRANSLATE_NOOP("Doctor",
            "%1 holds what it receives for %2 ms before passing it on (its latency timer), "
            "which slows every exchange."),
        QT_TRANSLATE_NOOP("Doctor",
            "In the Device Manager, open the port's Properties, Port Settings, Advanced, "
            "and set Latency Timer to 16 ms or less.") };

    Phrase said(const char* source) { return Phrase::of("Doctor", source); }

    // "USB Serial Port (COM5), driver FTDI 2.12.36.4".
    Phrase designation(const AdapterDevice& d)
    {
        const Phrase name = Phrase::verbatim(d.name.isEmpty() ? d.port : d.name);
        if (d.driverProvider.isEmpty())
            return name;
        const QString driver = QStringList { d.driverProvider, d.driverVersion }.join(u' ');
        return said(QT_TRANSLATE_NOOP("Doctor", "%1, driver %2")).arg(name, driver.trimmed());
    }

    Finding finding(const Text& text, Severity severity, const AdapterDevice& d, int number = 0)
    {
        const Phrase line = said(text.line);
        return { text.check, severity,
            line.source.contains(u"%2"_qs) ? line.arg(designation(d), number)
                                           : line.arg(designation(d)),
            said(text.fix) };
    }

    const Text& problemText(int code)
    {
        for (const Problem& p : Problems) {
            if (p.code == code)
                return p.text;
        }
        return std::end(Problems)[-1].text;
    }

} // namespace

QList<Finding> of(const QList<AdapterDevice>& devices)
{
    QList<Finding> found;
    for (const AdapterDevice& d : devices) {
        if (d.vendorId == Ftdi && d.productId == 0)
            found.append(finding(Counterfeit, Severity::Problem, d));
        else if (d.vendorId == Prolific && d.problem == CannotStart)
            found.append(finding(PhasedOut, Severity::Problem, d));
        else if (d.problem != 0)
            found.append(finding(problemText(d.problem), Severity::Problem, d, d.problem));
        if (d.latencyMs > LatencyLimitMs)
            found.append(finding(Latency, Severity::Warning, d, d.latencyMs));
    }
    return found;
}

} // namespace DeviceFindings
