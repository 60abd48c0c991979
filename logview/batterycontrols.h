#pragma once

#include "logscene.h"

#include <QObject>
#include <functional>
#include <optional>

class Prompts;
class QComboBox;
class QSpinBox;
class QWidget;

// The pack's chemistry, named once and kept, and its cells in series: counted
// from the log where the chemistry tells, asked for where two counts fit,
// and set by hand in the spin box otherwise.
class BatteryControls : public QObject {
    Q_OBJECT
public:
    using ChemistryKeeper = std::function<void(Chemistry chemistry)>;

    BatteryControls(QWidget* window, const SampleStore& store, LogScene& scene);

    QComboBox* chemistryBox() const { return m_chemistry; }
    QSpinBox* cellsBox() const { return m_cells; }
    void setChemistry(std::optional<Chemistry> chemistry, ChemistryKeeper keep);
    void setPrompts(Prompts* prompts) { m_prompts = prompts; }
    void retranslate();
    // Counts the cells of the log shown and of the compared one; ask: the
    // user is asked to pick when two counts fit the log shown, once a log.
    void countCells(bool ask);
    // A new log is shown: its question has not been asked yet.
    void newLog() { m_asked = false; }
    // While an operation runs the question waits for its end.
    void setOperationRunning(bool running);

signals:
    // The chemistry or the cells changed; the figures are to be shown again.
    void changed();

private:
    void chooseChemistry(int index);
    // What counting said of the log shown, or what the box holds.
    void showCountTip();
    // The question that waits, asked when nothing is in its way.
    void askPending();

    const SampleStore& m_store;
    LogScene& m_scene;
    ChemistryKeeper m_keep;
    Prompts* m_prompts = nullptr;
    QComboBox* m_chemistry;
    QSpinBox* m_cells;
    std::optional<CellCount> m_count; // of the log shown
    bool m_pending = false; // two counts fit and the user is to pick one
    bool m_asked = false; // for the log shown
    bool m_running = false;
};
