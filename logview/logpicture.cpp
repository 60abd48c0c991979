#include "logpicture.h"

#include "numbertext.h"
#include "twips.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace {

const QColor Background(224, 224, 224);
const QColor Grid(128, 128, 128);
const QColor OverlayVolt(150, 150, 255);
const QColor OverlayCur(235, 165, 235);
const QColor Resting(0, 150, 0);
const QColor Marker(200, 90, 0);

int nearest(double v) { return static_cast<int>(NumberText::roundEven(v)); }

QPainter::RenderHints noSmoothing() { return {}; }

auto voltY(double sh, double top)
{
    const double end = top * 1.001;
    return [sh, end](float v) { return nearest((end - static_cast<double>(v)) * sh / end); };
}

auto ampY(double sh)
{
    return [sh](float i) { return nearest((300.33 - static_cast<double>(i)) * sh / 300.33); };
}

// Segment start: a sample after a missing one starts at its own value, so a
// gap stays a gap instead of a stroke up from below the bottom edge.
template <typename Channel, typename ToY>
void drawChannel(QPainter& painter, int sw, const TimeView& view, Channel value, ToY toY)
{
    auto x
        = [&](int n) { return nearest((n - view.from) * static_cast<double>(sw) / view.width()); };
    for (int n = 1; n <= SampleStore::Count; ++n) {
        const float v = value(n);
        if (v == SampleStore::Missing)
            continue;
        const float before = n == 1 ? v : value(n - 1);
        const float from = before == SampleStore::Missing ? v : before;
        painter.drawLine(QPoint(x(n - 1), toY(from)), QPoint(x(n), toY(v)));
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
        painter, sw, m_view, [&](int n) { return store.voltsAt(n); }, voltY(sh, m_voltTop));
    pen.setColor(curColour);
    painter.setPen(pen);
    drawChannel(
        painter, sw, m_view, [&](int n) { return store.ampsAt(n); }, ampY(sh));
    update();
}

void LogPicture::drawUnder(const LogScene& scene)
{
    const int sw = innerSize().width();
    const double sh = innerSize().height();
    if (scene.overlay) {
        // Under the log's own curves, which are drawn over it afterwards.
        QPainter painter(&m_surface);
        const SampleStore& other = scene.overlay->store;
        painter.setPen(QPen(OverlayVolt, 2));
        drawChannel(
            painter, sw, m_view, [&](int n) { return other.voltsAt(n); }, voltY(sh, m_voltTop));
        painter.setPen(QPen(OverlayCur, 2));
        drawChannel(
            painter, sw, m_view, [&](int n) { return other.ampsAt(n); }, ampY(sh));
    }
}

void LogPicture::drawOver(const SampleStore& store, const LogScene& scene)
{
    const int sw = innerSize().width();
    const double sh = innerSize().height();
    QPainter painter(&m_surface);
    int row = 0;
    if (scene.resting && scene.resistance.known()) {
        const auto rest = BatteryResistance::restingVolts(store, scene.resistance);
        painter.setPen(QPen(Resting, 2));
        drawChannel(
            painter, sw, m_view, [&](int n) { return rest[size_t(n - 1)]; }, voltY(sh, m_voltTop));
        drawLegend(painter, row++, tr("Voltage at rest"), Resting);
    }
    if (scene.overlay)
        drawLegend(painter, row++, scene.overlay->name, OverlayVolt.darker(130));
    drawMarkers(painter, scene.markers);
    update();
}

void LogPicture::drawLegend(
    QPainter& painter, int row, const QString& text, const QColor& colour) const
{
    const int line = painter.fontMetrics().height();
    const int y = 4 + row * line;
    painter.fillRect(QRect(8, y + line / 2 - 1, 16, 2), colour);
    painter.setPen(colour);
    painter.drawText(QRect(28, y, innerSize().width() - 36, line), Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(text, Qt::ElideMiddle, innerSize().width() - 36));
}

void LogPicture::drawMarkers(QPainter& painter, const QList<LogMarker>& markers) const
{
    const QSize inner = innerSize();
    const int line = painter.fontMetrics().height();
    for (qsizetype i = 0; i < markers.size(); ++i) {
        const int x = nearest((markers[i].time - m_view.from) * inner.width() / m_view.width());
        if (x < 0 || x > inner.width())
            continue;
        painter.setPen(QPen(Marker, 1, Qt::DashLine));
        painter.drawLine(x, 0, x, inner.height());
        // Texts step down so that markers close together stay readable.
        const int y = inner.height() - line * (1 + int(i % 3)) - 2;
        const int width = painter.fontMetrics().horizontalAdvance(markers[i].text);
        const int left = x + 3 + width > inner.width() ? x - 3 - width : x + 3;
        painter.setPen(Marker);
        painter.drawText(left, y + painter.fontMetrics().ascent(), markers[i].text);
    }
}

void LogPicture::setVoltTop(double top) { m_voltTop = top; }

void LogPicture::setView(const TimeView& view)
{
    m_view = view;
    emit viewChanged();
}

void LogPicture::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    const double width = contentsRect().width();
    if (steps == 0 || width <= 0)
        return;
    const double f = std::clamp((event->position().x() - contentsRect().left()) / width, 0.0, 1.0);
    setView(m_view.zoomedAt(f, std::pow(0.8, steps)));
    event->accept();
}

void LogPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !m_view.whole())
        setView(TimeView {});
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
