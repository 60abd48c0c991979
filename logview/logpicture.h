#pragma once

#include "logscene.h"
#include "samplestore.h"
#include "timeview.h"

#include <QColor>
#include <QFrame>
#include <QPixmap>

// The graph surface. What is drawn goes into a pixmap that only the layout
// replaces, so covering the window or the readout box passing over it never
// loses the drawing. Coordinates are the inner area's pixels; sw and sh are
// its width and height, so every nearest() of the axis formulas is a pixel.
class LogPicture : public QFrame {
    Q_OBJECT
public:
    static constexpr int Border = 2; // pixels each side
    static constexpr int TickLength = 5; // 70 twips to the nearest pixel

    explicit LogPicture(QWidget* parent = nullptr);

    const QPixmap& surface() const { return m_surface; }
    QSize innerSize() const;

    // Erases everything, then draws the scale lines (ticks when a flag is off,
    // full-width lines when on) and the vertical lines every 30 s.
    void drawBackgroundAndGrid(bool voltLines, bool curLines);
    void DrawGraph(const SampleStore& store, const QColor& voltColour, const QColor& curColour);
    // The compared log, before the curves so that they lie over it.
    void drawUnder(const LogScene& scene);
    // After the curves: the resting voltage and the markers, with a legend
    // line for the resting curve and the compared log.
    void drawOver(const SampleStore& store, const LogScene& scene);

    const TimeView& view() const { return m_view; }
    // The voltage at the top edge: 10 V, or 20 V for a log that goes above it.
    void setVoltTop(double top);
    void setView(const TimeView& view);

signals:
    // Pointer position in twips from the inner top-left corner.
    void mouseMoved(float x, float y);
    // The wheel or a double click changed the view; the surface is to be drawn again.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // The wheel zooms the time axis at the pointer.
    void wheelEvent(QWheelEvent* event) override;
    // A double click shows the whole log again.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void drawLegend(QPainter& painter, int row, const QString& text, const QColor& colour) const;
    void drawMarkers(QPainter& painter, const QList<LogMarker>& markers) const;

    QPixmap m_surface;
    TimeView m_view;
    double m_voltTop = 10;
};
