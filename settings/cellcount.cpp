#include "cellcount.h"

#include "numbertext.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CellCounting)
};

// From a cell flown empty and rested to one just off the charger. Lower
// readings are a pack still under load or spent; higher ones, another chemistry.
constexpr std::array<CellCounting::Range, 3> Ranges { { { 3.5, 4.2 }, { 3.0, 3.6 },
    { 1.15, 1.45 } } };
constexpr std::array<const char16_t*, 3> Codes { u"lipo", u"life", u"nimh" };
constexpr std::array<const char16_t*, 3> Names { u"LiPo", u"LiFe", u"NiMH" };
// More cells than the log's 19.7 V could show at rest.
constexpr int MaxCells = 20;
// The log's voltage step, and room for float error at the ends of a range.
constexpr double VoltStep = 0.1;
constexpr double Slack = 1e-3;

bool stableFrom(const SampleStore& store, int first, double& mean)
{
    float low = 0, high = 0;
    mean = 0;
    for (int n = first; n < first + CellCounting::StableSamples; ++n) {
        const float v = store.voltsAt(n);
        const float i = store.ampsAt(n);
        if (v <= 0 || i == SampleStore::Missing || i > CellCounting::RestAmps)
            return false;
        low = n == first ? v : std::min(low, v);
        high = n == first ? v : std::max(high, v);
        mean += v;
    }
    mean /= CellCounting::StableSamples;
    return high - low <= VoltStep + Slack;
}

} // namespace

namespace CellCounting {

Range restRange(Chemistry chemistry) { return Ranges[size_t(chemistry)]; }

QString chemistryCode(Chemistry chemistry) { return QString::fromUtf16(Codes[size_t(chemistry)]); }

std::optional<Chemistry> chemistryFromCode(QStringView code)
{
    for (size_t k = 0; k < Codes.size(); ++k) {
        if (code == QStringView(Codes[k]))
            return Chemistry(k);
    }
    return std::nullopt;
}

QString chemistryName(Chemistry chemistry) { return QString::fromUtf16(Names[size_t(chemistry)]); }

CellCount count(const SampleStore& store, Chemistry chemistry)
{
    double mean = 0;
    for (int n = 1; store.held && n + StableSamples - 1 <= SampleStore::Count; ++n) {
        if (stableFrom(store, n, mean)) {
            CellCount c = countAt(mean, chemistry);
            c.restFrom = n;
            return c;
        }
    }
    return {};
}

CellCount countAt(double restVolts, Chemistry chemistry)
{
    const Range cell = restRange(chemistry);
    CellCount c;
    c.restVolts = restVolts;
    for (int cells = 1; cells <= MaxCells; ++cells) {
        if (restVolts >= cells * cell.low - Slack && restVolts <= cells * cell.high + Slack)
            c.candidates.append(cells);
    }
    c.state = c.candidates.size() == 1 ? CellCount::State::Counted
        : c.candidates.isEmpty()       ? CellCount::State::NoneFits
                                       : CellCount::State::Ambiguous;
    c.cells = c.state == CellCount::State::Counted ? c.candidates.first() : 0;
    return c;
}

QString text(const CellCount& c, Chemistry chemistry)
{
    const QString volts = NumberText::fixed1(c.restVolts);
    QStringList counts;
    for (int cells : c.candidates)
        counts.append(QString::number(cells));
    switch (c.state) {
    case CellCount::State::Counted:
        return Text::tr("%1S %2, %3 V at rest").arg(c.cells).arg(chemistryName(chemistry), volts);
    case CellCount::State::Ambiguous:
        return Text::tr("%1 V at rest fits %2 cells: say how many").arg(volts, counts.join(u", "));
    case CellCount::State::NoneFits:
        return Text::tr("%1 V at rest fits no %2 pack: say how many cells")
            .arg(volts, chemistryName(chemistry));
    case CellCount::State::NoRest:
        break;
    }
    return Text::tr("The log has no seconds at rest: say how many cells");
}

} // namespace CellCounting
