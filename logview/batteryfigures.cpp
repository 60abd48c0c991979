#include "batteryfigures.h"

#include "logstatistics.h"
#include "numbertext.h"

namespace {

QString perCellVolts(double volts, int cells) { return QString::number(volts / cells, 'f', 2); }

} // namespace

QStringList BatteryFigures::resistanceLines(const ResistanceEstimate& r, int cells)
{
    QStringList lines { tr("R %1").arg(BatteryResistance::text(r)) };
    if (r.known() && cells > 0)
        lines
            << tr("%1 per cell").arg(BatteryResistance::text(BatteryResistance::perCell(r, cells)));
    return lines;
}

QStringList BatteryFigures::spanLines(const SampleStore& store, int cells, int first, int last)
{
    const LogStatistics s = logStatistics(store, first, last);
    QStringList lines = logStatisticsLines(s);
    if (cells > 0 && s.voltSamples > 0)
        lines << tr("min %1 mean %2 max %3V/cell")
                     .arg(perCellVolts(s.voltMin, cells), perCellVolts(s.voltMean, cells),
                         perCellVolts(s.voltMax, cells));
    return lines + resistanceLines(BatteryResistance::estimate(store, first, last), cells);
}

QStringList BatteryFigures::cursorLines(const SampleStore& store, const LogScene& scene, int n)
{
    QStringList lines;
    const float volts = store.voltsAt(n);
    if (scene.cells > 0 && volts != SampleStore::Missing)
        lines << tr("%1V/cell").arg(perCellVolts(volts, scene.cells));
    const float rest = BatteryResistance::restingVoltsAt(store, n, scene.resistance);
    if (scene.resting && rest != SampleStore::Missing)
        lines << tr("rest %1V").arg(NumberText::fixed1(rest));
    for (const LogMarker& marker : scene.markers) {
        if (marker.time == n)
            lines << marker.text;
    }
    if (scene.overlay) {
        // The compared log at the same time from its start, blank where missing.
        auto text = [](float value) {
            return value == SampleStore::Missing ? QString() : NumberText::shortest(value);
        };
        const SampleStore& other = scene.overlay->store;
        lines << tr("vs %1V %2A").arg(text(other.voltsAt(n)), text(other.ampsAt(n)));
    }
    return lines;
}

QStringList BatteryFigures::statistics(
    const SampleStore& store, const LogScene& scene, int first, int last)
{
    QStringList lines = spanLines(store, scene.cells, first, last);
    if (scene.overlay) {
        lines << QString() << tr("Compared: %1").arg(scene.overlay->name)
              << spanLines(scene.overlay->store, scene.overlay->cells, first, last);
    }
    return lines;
}
