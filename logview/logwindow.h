#pragma once

#include "batterycontrols.h"
#include "logscales.h"
#include "logscene.h"
#include "samplestore.h"

#include <QStringView>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class BatteryControls;
class LogActions;
class LogPicture;
class LogSpan;
class Prompts;

// The "Log Data" window: the sample store as voltage and current curves over
// 540 s, with a cursor readout. Tool window beside the main window, deleted on
// close; the store and the scale line flags live on without it.
class LogWindow : public QWidget {
    Q_OBJECT
public:
    // The window's outer size exceeds the widget by the frame and title bar,
    // which the window manager owns; the layout works on this fixed estimate.
    static constexpr int FrameWidth = 8; // pixels, borders left and right
    static constexpr int FrameHeight = 30; // pixels, title bar and borders

    // Keeps a scale line flag the user switched: 0 voltage, 1 current.
    using ScaleLineKeeper = std::function<void(int index, bool on)>;

    explicit LogWindow(SampleStore& store, std::array<int16_t, 2>& scaleLine,
        ScaleLineKeeper keepScaleLine, QWidget* mainWindow);

    // Shows and redraws what the store holds now; source: where it came from,
    // with the markers kept beside its CSV.
    void showStore(const LogSource& source = {});
    // The log shown was saved to path: its markers go beside it from now on.
    void logSaved(const QString& path);
    // Lays the log of the CSV at path over the one shown, named name in the
    // legend; false when it cannot be read (the user was told).
    bool compareWith(const QString& path, const QString& name);
    // The chemistry named before, and where a new choice is kept.
    void setChemistry(std::optional<Chemistry> chemistry, BatteryControls::ChemistryKeeper keep);
    const LogScene& scene() const { return m_scene; }
    // Lays the window out and redraws the whole graph.
    void relayout();
    // For the graph's context menu: the figures box and the picture's file.
    void setPrompts(Prompts* prompts);
    // While the line works, the graph's menu waits like the main window's,
    // and so does the question of the cell count.
    void setOperationRunning(bool running);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Escape closes the window; the graph takes it first to remove a span.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeBeside(QWidget* mainWindow);
    void createControls();
    // Every text and font in the language shown.
    void retranslate();
    QGroupBox* createLegendFrame(int index, const QColor& colour);
    void showUp();
    void applyLayout(float w, float h);
    void toggleScaleLine(int index);
    void showReadout(float x, float y);

    SampleStore& m_store;
    std::array<int16_t, 2>& m_scaleLine;
    ScaleLineKeeper m_keepScaleLine;

    QPushButton* m_closeButton = nullptr;
    LogPicture* m_graph = nullptr;
    QGroupBox* m_currentLegend = nullptr;
    QGroupBox* m_voltLegend = nullptr;
    std::array<QCheckBox*, 2> m_scaleLineBoxes {};
    std::array<QWidget*, 2> m_legendLines {};
    std::optional<LogScales> m_scales;
    QLabel* m_readout = nullptr;
    QSize m_readoutSize; // the box for the widest readout without a span
    LogSpan* m_span = nullptr;
    LogActions* m_actions = nullptr;
    BatteryControls* m_battery = nullptr;
    Prompts* m_prompts = nullptr;
    LogScene m_scene;
};
