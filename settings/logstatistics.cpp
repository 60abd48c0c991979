#include "logstatistics.h"

#include "numbertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString figure(int samples, const QString& text)
{
    return samples > 0 ? text : QStringLiteral("-");
}

QString hundredths(double value)
{
    const double r = std::round(value * 100) / 100;
    return QString::number(r == 0 ? 0.0 : r, 'f', 2);
}

} // namespace

LogStatistics logStatistics(const SampleStore& store, int first, int last)
{
    LogStatistics s;
    s.first = std::clamp(std::min(first, last), 1, SampleStore::Count);
    s.last = std::clamp(std::max(first, last), 1, SampleStore::Count);
    double voltSum = 0;
    double curSum = 0;
    double energySum = 0; // V x A x 1 s
    for (int n = s.first; n <= s.last; ++n) {
        const float v = store.held ? store.voltsAt(n) : SampleStore::Missing;
        const float i = store.held ? store.ampsAt(n) : SampleStore::Missing;
        if (v != SampleStore::Missing) {
            s.voltMin = s.voltSamples == 0 ? v : std::min<double>(s.voltMin, v);
            s.voltMax = s.voltSamples == 0 ? v : std::max<double>(s.voltMax, v);
            voltSum += v;
            ++s.voltSamples;
        }
        if (i != SampleStore::Missing) {
            s.curMax = s.curSamples == 0 ? i : std::max<double>(s.curMax, i);
            curSum += i;
            ++s.curSamples;
        }
        if (v != SampleStore::Missing && i != SampleStore::Missing) {
            energySum += static_cast<double>(v) * i;
            ++s.energySamples;
        }
    }
    const int span = s.last - s.first + 1;
    s.voltMissing = span - s.voltSamples;
    s.curMissing = span - s.curSamples;
    s.voltMean = s.voltSamples > 0 ? voltSum / s.voltSamples : 0;
    s.curMean = s.curSamples > 0 ? curSum / s.curSamples : 0;
    s.charge = curSum / 3.6;
    s.energy = energySum / 3600;
    return s;
}

QStringList logStatisticsLines(const LogStatistics& s)
{
    using NumberText::fixed1;
    using NumberText::whole;
    const auto said
        = [](const char* source) { return QCoreApplication::translate("LogStatistics", source); };
    const int v = s.voltSamples;
    const int i = s.curSamples;
    return {
        said(QT_TRANSLATE_NOOP("LogStatistics", "%1-%2s %3s"))
            .arg(s.first)
            .arg(s.last)
            .arg(s.last - s.first + 1),
        said(QT_TRANSLATE_NOOP("LogStatistics", "min %1 mean %2 max %3V"))
            .arg(figure(v, fixed1(s.voltMin)), figure(v, fixed1(s.voltMean)),
                figure(v, fixed1(s.voltMax))),
        said(QT_TRANSLATE_NOOP("LogStatistics", "mean %1 max %2A"))
            .arg(figure(i, whole(s.curMean)), figure(i, whole(s.curMax))),
        said(QT_TRANSLATE_NOOP("LogStatistics", "%1mAh %2Wh"))
            .arg(figure(i, whole(s.charge)), figure(s.energySamples, hundredths(s.energy))),
        said(QT_TRANSLATE_NOOP("LogStatistics", "missing %1V %2A"))
            .arg(s.voltMissing)
            .arg(s.curMissing),
    };
}
