#include "batteryresistance.h"

#include "numbertext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(BatteryResistance)
};

// Three parameters need more samples than that to leave a residual to judge.
constexpr int MinSamples = 10;
// Where current follows time closely, the drift and the sag cannot be told
// apart: the variance of R grows by 1/(1 − r²) with r their correlation, and
// past four times a window says nothing.
constexpr double MinIndependence = 0.25;
// The log's steps.
constexpr double VoltStep = 0.1;
constexpr double AmpStep = 10;

struct Fit {
    double ohms = 0;
    double error = 0; // how far ohms may be off
};

// Sums of products about the means of time, current and voltage.
struct Moments {
    int count = 0;
    double ampRange = 0; // highest current less lowest
    double tt = 0, ti = 0, ii = 0, tv = 0, iv = 0, vv = 0;
};

Moments moments(const SampleStore& store, int first, int last)
{
    std::vector<std::array<double, 3>> rows;
    double t0 = 0, i0 = 0, v0 = 0, lowAmps = 0, highAmps = 0;
    for (int n = first; n <= last; ++n) {
        const float v = store.voltsAt(n);
        const float i = store.ampsAt(n);
        if (v == SampleStore::Missing || i == SampleStore::Missing)
            continue;
        lowAmps = rows.empty() ? i : std::min<double>(lowAmps, i);
        highAmps = rows.empty() ? i : std::max<double>(highAmps, i);
        rows.push_back({ double(n), i, v });
        t0 += n;
        i0 += i;
        v0 += v;
    }
    Moments m;
    m.count = int(rows.size());
    m.ampRange = highAmps - lowAmps;
    if (rows.empty())
        return m;
    t0 /= m.count, i0 /= m.count, v0 /= m.count;
    for (const auto& [t, i, v] : rows) {
        const double dt = t - t0, di = i - i0, dv = v - v0;
        m.tt += dt * dt, m.ti += dt * di, m.ii += di * di;
        m.tv += dt * dv, m.iv += di * dv, m.vv += dv * dv;
    }
    return m;
}

std::optional<Fit> fitWindow(const SampleStore& store, int first, int last)
{
    const Moments m = moments(store, first, last);
    if (m.count < std::max(MinSamples, (last - first + 1) / 2)
        || m.ampRange < BatteryResistance::MinCurrentRange)
        return std::nullopt;
    const double det = m.tt * m.ii - m.ti * m.ti;
    if (m.tt <= 0 || det < MinIndependence * m.tt * m.ii)
        return std::nullopt;
    const double slope = (m.ii * m.tv - m.ti * m.iv) / det; // V per second
    const double perAmp = (m.tt * m.iv - m.ti * m.tv) / det; // −R
    const double residual = std::max(0.0, m.vv - slope * m.tv - perAmp * m.iv);
    const double standardError = std::sqrt(residual / (m.count - 3) * m.tt / det);
    // Samples held at a few throttle steps share their rounding, which the
    // residuals do not show: half a step of voltage and of current at either
    // end of the current's range may move R that far.
    const double rounding = (VoltStep + std::abs(perAmp) * AmpStep) / m.ampRange;
    return Fit { -perAmp, std::max(standardError, rounding) };
}

double quantile(const std::vector<double>& sorted, double q)
{
    const double at = q * double(sorted.size() - 1);
    const size_t below = size_t(at);
    const size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

} // namespace

namespace BatteryResistance {

ResistanceEstimate estimate(const SampleStore& store, int first, int last)
{
    const int from = std::clamp(std::min(first, last), 1, SampleStore::Count);
    const int to = std::clamp(std::max(first, last), 1, SampleStore::Count);
    const int width = std::min(WindowSeconds, to - from + 1);
    std::vector<double> ohms;
    std::vector<double> errors;
    for (int start = from; store.held && start + width - 1 <= to; start += StepSeconds) {
        if (const std::optional<Fit> fit = fitWindow(store, start, start + width - 1)) {
            ohms.push_back(fit->ohms);
            errors.push_back(fit->error);
        }
    }
    ResistanceEstimate r;
    if (ohms.empty())
        return r;
    std::sort(ohms.begin(), ohms.end());
    std::sort(errors.begin(), errors.end());
    // Overlapping windows share samples, so their spread is no standard error
    // of the median: the quartiles say where half the windows fall, and the
    // interval is never narrower than what one window may be off, which
    // windows that all agree would otherwise hide.
    const double median = quantile(ohms, 0.5);
    const double error = quantile(errors, 0.5);
    r.state = ResistanceEstimate::State::Estimated;
    r.milliohms = 1000 * median;
    r.low = 1000 * std::min(quantile(ohms, 0.25), median - error);
    r.high = 1000 * std::max(quantile(ohms, 0.75), median + error);
    r.windows = int(ohms.size());
    return r;
}

ResistanceEstimate perCell(const ResistanceEstimate& pack, int cells)
{
    ResistanceEstimate cell = pack;
    if (cells > 0) {
        cell.milliohms /= cells;
        cell.low /= cells;
        cell.high /= cells;
    }
    return cell;
}

float restingVoltsAt(const SampleStore& store, int n, const ResistanceEstimate& r)
{
    if (!r.known() || !store.held || n < 1 || n > SampleStore::Count)
        return SampleStore::Missing;
    const float v = store.voltsAt(n);
    const float i = store.ampsAt(n);
    if (v == SampleStore::Missing || i == SampleStore::Missing)
        return SampleStore::Missing;
    return float(v + i * r.milliohms / 1000);
}

std::array<float, SampleStore::Count> restingVolts(
    const SampleStore& store, const ResistanceEstimate& r)
{
    std::array<float, SampleStore::Count> volts {};
    for (int n = 1; n <= SampleStore::Count; ++n)
        volts[n - 1] = restingVoltsAt(store, n, r);
    return volts;
}

QString text(const ResistanceEstimate& r)
{
    using NumberText::fixed1;
    if (!r.known())
        return Text::tr("not enough load change");
    return Text::tr("%1 mΩ (%2–%3)").arg(fixed1(r.milliohms), fixed1(r.low), fixed1(r.high));
}

QString stateWord(ResistanceEstimate::State state)
{
    return state == ResistanceEstimate::State::Estimated ? QStringLiteral("estimated")
                                                         : QStringLiteral("notEnoughLoadChange");
}

} // namespace BatteryResistance
