#include "logpicture.h"

#include "numbertext.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor Background(224, 224, 224);
const QColor Grid(128, 128, 128);

int nearest(double v) { return static_cast<int>(NumberText::roundEven(v)); }

QPainter::RenderHints noSmoothing() { return {}; }

// Segment start: a sample after a missing one starts at its own value, so a
// gap stays a gap instead of a stroke up from below the bottom edge.
template <typename Channel, typename ToY>
void drawChannel(QPainter& painter, int sw, Channel value, ToY toY)
{
    for (int n = 1; n <= SampleStore::Count; ++n) {
        const float v = value(n);
        if (v == SampleStore::Missing)
            continue;
        const float before = n == 1 ? v : value(n - 1);
        const float from = before == SampleStore::Missing ? v : before;
        const int x0 = n == 1 ? 0 : nearest((n - 1) * static_cast<double>(sw) / 540);
        const int x1 = nearest(n * static_cast<double>(sw) / 540);
        painter.drawLine(QPoint(x0, toY(from)), QPoint(x1, toY(v)));
    }
}

} // namespace

LogPicture::LogPicture(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(Border);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize LogPicture::innerSize() const
{
    return QSize(std::max(0, width() - 2 * Border), std::max(0, height() - 2 * Border));
}

void LogPicture::drawBackgroundAndGrid(bool voltLines, bool curLines)
{
    const QSize inner = innerSize();
    const qreal dpr = devicePixelRatioF();
    m_surface = QPixmap(inner * dpr);
    m_surface.setDevicePixelRatio(dpr);
    m_surface.fill(Background);
    const int sw = inner.width();
    const int sh = inner.height();
    QPainter painter(&m_surface);
    painter.setRenderHints(noSmoothing());
    for (int i = 0; i <= 9; ++i) {
        const int y = nearest((10 - i) * static_cast<double>(sh) / 10);
        painter.fillRect(QRect(0, y, voltLines ? sw : TickLength, 1), Grid);
    }
    // The current ticks are drawn at the rounded height only: drawn once more
    // at the exact height, as on a twips surface, they would double a row here.
    for (int i = 0; i <= 5; ++i) {
        const int y = nearest((6 - i) * static_cast<double>(sh) / 6);
        if (curLines)
            painter.fillRect(QRect(0, y, sw, 1), Grid);
        else
            painter.fillRect(QRect(sw - TickLength, y, TickLength, 1), Grid);
    }
    for (int i = 0; i <= 8; ++i) {
        painter.fillRect(QRect(nearest(i * static_cast<double>(sw) / 9), 0, 1, sh), Grid);
        painter.fillRect(QRect(nearest((i + 0.5) * sw / 9), 0, 1, sh), Grid);
    }
    update();
}

void LogPicture::DrawGraph(
    const SampleStore& store, const QColor& voltColour, const QColor& curColour)
{
    const QSize inner = innerSize();
    const int sw = inner.width();
    const double sh = inner.height();
    QPainter painter(&m_surface);
    painter.setRenderHints(noSmoothing());
    QPen pen(voltColour, 2);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    drawChannel(
        painter, sw, [&](int n) { return store.voltsAt(n); },
        [&](float v) { return nearest((10.01 - static_cast<double>(v)) * sh / 10.01); });
    pen.setColor(curColour);
    painter.setPen(pen);
    drawChannel(
        painter, sw, [&](int n) { return store.ampsAt(n); },
        [&](float i) { return nearest((300.33 - static_cast<double>(i)) * sh / 300.33); });
    update();
}

void LogPicture::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.fillRect(inner, Background);
    painter.drawPixmap(inner.topLeft(), m_surface);
}

void LogPicture::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF inner = event->position() - contentsRect().topLeft();
    emit mouseMoved(pixelsToTwips(inner.x()), pixelsToTwips(inner.y()));
}
