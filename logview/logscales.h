#pragma once

#include "loglayout.h"
#include "logscene.h"
#include "timeview.h"

#include <QLabel>
#include <array>

// The numbers around the graph: volts on the left up to the axis' top, amps
// on the right, the seconds of the time view below and their caption.
class LogScales {
public:
    explicit LogScales(QWidget* window);

    QLabel* caption() const { return m_caption; }
    // The voltage axis ends at 10 V, or at 20 V where a log goes above that
    // (a pack of more than two LiPo cells), so that its curve stays on the graph.
    static double voltTop(const SampleStore& store, const LogScene& scene);
    // Seconds at the ninths of view.
    void showTimes(const TimeView& view);
    // Each number at its place, the volts on an axis that ends at voltTop.
    void place(const LogLayout::Placement& p, double voltTop);

private:
    std::array<QLabel*, LogLayout::VoltLabels> m_volt {};
    std::array<QLabel*, LogLayout::CurLabels> m_current {};
    std::array<QLabel*, LogLayout::TimeLabels> m_time {};
    QLabel* m_caption = nullptr;
};
