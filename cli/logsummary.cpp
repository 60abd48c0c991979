#include "logsummary.h"

#include "console.h"
#include "logfile.h"
#include "numbertext.h"
#include "samplestore.h"

#include <QCoreApplication>
#include <cmath>

namespace {

struct LogSummaryText {
    Q_DECLARE_TR_FUNCTIONS(LogSummary)
};

using Extreme = LogSummary::Extreme;

// The first sample keeps an extreme that later ones only equal.
void keep(std::optional<Extreme>& extreme, float value, int time, bool higher)
{
    if (!extreme || (higher ? value > extreme->value : value < extreme->value))
        extreme = Extreme { value, time };
}

QString extremeText(const std::optional<Extreme>& e, const QString& unit)
{
    if (!e)
        return LogSummaryText::tr("none");
    return LogSummaryText::tr("%1 %2 at %3 s")
        .arg(NumberText::shortest(e->value), unit, QString::number(e->time));
}

QJsonValue extremeJson(const std::optional<Extreme>& e)
{
    if (!e)
        return QJsonValue::Null;
    return QJsonObject { { u"value"_qs, NumberText::shortest(e->value).toDouble() },
        { u"time"_qs, e->time } };
}

} // namespace

LogSummary summarize(const SampleStore& store)
{
    LogSummary s;
    for (int n = 1; n <= SampleStore::Count; ++n) {
        const float volt = store.voltsAt(n);
        const float cur = store.ampsAt(n);
        const bool hasVolt = volt != SampleStore::Missing;
        const bool hasCur = cur != SampleStore::Missing;
        if (hasVolt || hasCur)
            ++s.present;
        if (hasVolt) {
            keep(s.voltMin, volt, n, false);
            keep(s.voltMax, volt, n, true);
        }
        if (hasCur)
            keep(s.curMax, cur, n, true);
    }
    s.resistance = BatteryResistance::estimate(store);
    return s;
}

QString summaryText(const LogSummary& s)
{
    return columns({
        { LogSummaryText::tr("Samples"),
            LogSummaryText::tr("%1 of %2")
                .arg(QString::number(s.present), QString::number(SampleStore::Count)) },
        { LogSummaryText::tr("Lowest voltage"), extremeText(s.voltMin, u"V"_qs) },
        { LogSummaryText::tr("Highest voltage"), extremeText(s.voltMax, u"V"_qs) },
        { LogSummaryText::tr("Highest current"), extremeText(s.curMax, u"A"_qs) },
    });
}

QJsonObject summaryJson(const LogSummary& s)
{
    const ResistanceEstimate& r = s.resistance;
    const auto milliohms = [&r](double value) {
        return r.known() ? QJsonValue(std::round(value * 10) / 10) : QJsonValue();
    };
    const QJsonObject resistance { { u"state"_qs, BatteryResistance::stateWord(r.state) },
        { u"milliohms"_qs, milliohms(r.milliohms) }, { u"low"_qs, milliohms(r.low) },
        { u"high"_qs, milliohms(r.high) }, { u"windows"_qs, r.windows } };
    return { { u"samples"_qs, s.present }, { u"voltageMin"_qs, extremeJson(s.voltMin) },
        { u"voltageMax"_qs, extremeJson(s.voltMax) }, { u"currentMax"_qs, extremeJson(s.curMax) },
        { u"resistance"_qs, resistance } };
}

ExitCode saveLogFile(Console& console, const QString& path, const SampleStore& store)
{
    if (path == u"-"_qs) {
        console.data(LogFile::logFileText(store).toLatin1());
        return ExitCode::Done;
    }
    if (LogFile::save(path, store))
        return ExitCode::Done;
    console.error([&path] { return LogSummaryText::tr("%1: cannot be written").arg(path); });
    return ExitCode::FileTrouble;
}
