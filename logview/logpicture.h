#pragma once

#include "samplestore.h"

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

signals:
    // Pointer position in twips from the inner top-left corner.
    void mouseMoved(float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_surface;
};
