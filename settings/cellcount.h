#pragma once

#include "samplestore.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// The pack's chemistry, as the user names it: it sets a cell's voltage at rest.
enum class Chemistry { LiPo, LiFe, NiMH };

// How many cells in series the log's resting voltage means. Counted only
// when exactly one count's range at rest holds it; otherwise the user is asked.
struct CellCount {
    enum class State {
        Counted,
        Ambiguous, // two or more counts fit: candidates holds them
        NoneFits, // no count fits: another chemistry, or a pack not at rest
        NoRest, // the log has no stable seconds at low current
    };
    State state = State::NoRest;
    int cells = 0; // when Counted
    QList<int> candidates; // every count that fits
    double restVolts = 0; // the pack at rest, when not NoRest
    int restFrom = 0; // the first sample of the stable seconds, 0 for none
};

namespace CellCounting {

// A cell at rest, from empty to full, in volts.
struct Range {
    double low = 0;
    double high = 0;
};
Range restRange(Chemistry chemistry);

// For the INI: "lipo", "life", "nimh"; nothing for another word.
QString chemistryCode(Chemistry chemistry);
std::optional<Chemistry> chemistryFromCode(QStringView code);
// "LiPo", "LiFe", "NiMH": the same in every language.
QString chemistryName(Chemistry chemistry);

inline constexpr int StableSamples = 5;
inline constexpr double RestAmps = 10; // one step of the log's current

// From the first StableSamples samples in a row with at most RestAmps whose
// voltages lie within one 0.1 V step.
CellCount count(const SampleStore& store, Chemistry chemistry);
// From a voltage at rest.
CellCount countAt(double restVolts, Chemistry chemistry);

// For people: "4 cells at 16.6 V", or why the user must say.
QString text(const CellCount& count, Chemistry chemistry);

} // namespace CellCounting
