#pragma once

#include "samplestore.h"

#include <QString>
#include <array>

// What the run log says of the pack's internal resistance R, by V = Voc − R·I.
struct ResistanceEstimate {
    enum class State {
        Estimated,
        // No window where the current moved by MinCurrentRange and the fit held.
        NotEnoughLoadChange,
    };
    State state = State::NotEnoughLoadChange;
    double milliohms = 0; // the median of the windows
    double low = 0; // the interval around it, mΩ
    double high = 0;
    int windows = 0; // windows that held a fit

    bool known() const { return state == State::Estimated; }
};

namespace BatteryResistance {

inline constexpr int WindowSeconds = 60;
inline constexpr int StepSeconds = 10;
// Five steps of the log's current: less is not told apart from its rounding.
inline constexpr double MinCurrentRange = 50;

// Windows of WindowSeconds every StepSeconds over first..last (either order,
// cut to 1..512), each fitted by least squares as V = a + b·t − R·I so that
// the slow fall of Voc over the flight is not taken for resistance. A span
// shorter than a window is one window. A store that holds no log has none.
ResistanceEstimate estimate(const SampleStore& store, int first = 1, int last = SampleStore::Count);

// The figures of one cell of a pack of cells in series.
ResistanceEstimate perCell(const ResistanceEstimate& pack, int cells);

// V + I·R at sample n, what the pack would read at rest; Missing where a
// channel is missing or R is not known.
float restingVoltsAt(const SampleStore& store, int n, const ResistanceEstimate& r);
// Each sample's, at n − 1 as in the store.
std::array<float, SampleStore::Count> restingVolts(
    const SampleStore& store, const ResistanceEstimate& r);

// For people: "25.3 mΩ (23.1–27.9)" or "not enough load change".
QString text(const ResistanceEstimate& r);
// The English source of the state, for JSON: "estimated", "notEnoughLoadChange".
QString stateWord(ResistanceEstimate::State state);

} // namespace BatteryResistance
