#include "logsummary.h"

#include "console.h"
#include "logfile.h"
#include "numbertext.h"
#include "samplestore.h"

#include <cmath>

namespace {

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
        return u"none"_qs;
    return NumberText::shortest(e->value) + u' ' + unit + u" at "_qs + QString::number(e->time)
        + u" s"_qs;
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
        { u"Samples"_qs,
            QString::number(s.present) + u" of "_qs + QString::number(SampleStore::Count) },
        { u"Lowest voltage"_qs, extremeText(s.voltMin, u"V"_qs) },
        { u"Highest voltage"_qs, extremeText(s.voltMax, u"V"_qs) },
        { u"Highest current"_qs, extremeText(s.curMax, u"A"_qs) },
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
    console.error(path + u": cannot be written"_qs);
    return ExitCode::FileTrouble;
}
