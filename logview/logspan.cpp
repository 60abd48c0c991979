#include "logspan.h"

#include "cursorreadout.h"
#include "logpicture.h"
#include "numbertext.h"
#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

const QColor Shade(255, 255, 255, 80);
const QColor Edge(64, 64, 64);

// Lies over the graph's inner area and paints the span and the key cursor
// there, so the graph's own drawing stays as it is.
class SpanShade : public QWidget {
public:
    SpanShade(const LogSpan& span, LogPicture* picture)
        : QWidget(picture)
        , m_span(span)
        , m_picture(picture)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_span.marked() && !m_span.keyCursor())
            return;
        QPainter painter(this);
        // A sample owns the second around its time, as the pointer picks it.
        const TimeView& view = m_picture->view();
        auto x = [this, &view](double t) {
            return int(NumberText::roundEven((t - view.from) * width() / view.width()));
        };
        if (m_span.marked()) {
            const int x0 = x(m_span.first() - 0.5);
            const int x1 = x(m_span.last() + 0.5);
            painter.fillRect(QRect(x0, 0, x1 - x0 + 1, height()), Shade);
            painter.fillRect(QRect(x0, 0, 1, height()), Edge);
            painter.fillRect(QRect(x1, 0, 1, height()), Edge);
        }
        if (const int n = m_span.keyCursor()) {
            painter.setPen(QPen(Edge, 1, Qt::DotLine));
            painter.drawLine(x(n), 0, x(n), height());
        }
    }

private:
    const LogSpan& m_span;
    const LogPicture* m_picture;
};

} // namespace

LogSpan::LogSpan(LogPicture* picture, const SampleStore& store)
    : QObject(picture)
    , m_picture(picture)
    , m_store(store)
    , m_shade(new SpanShade(*this, picture))
{
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->installEventFilter(this);
}

int LogSpan::pointerSample() const { return m_keyCursor ? m_cursor : sampleAt(m_pointer); }

bool LogSpan::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_picture)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        mouse(static_cast<const QMouseEvent*>(event));
        break;
    case QEvent::KeyPress:
        return key(static_cast<const QKeyEvent*>(event));
    case QEvent::Resize:
        m_shade->setGeometry(m_picture->contentsRect());
        break;
    default:
        break;
    }
    return false;
}

void LogSpan::mouse(const QMouseEvent* event)
{
    const QPointF twips = (event->position() - m_picture->contentsRect().topLeft()) * TwipsPerPixel;
    if (event->type() == QEvent::MouseMove)
        drag(twips);
    else if (event->button() != Qt::LeftButton)
        return;
    else if (event->type() == QEvent::MouseButtonPress)
        press(twips);
    else
        release();
}

int LogSpan::sampleAt(QPointF twips) const
{
    const float w = pixelsToTwips(m_picture->width());
    const float h = pixelsToTwips(m_picture->height());
    const int t
        = readCursor(float(twips.x()), float(twips.y()), 0, 0, w, h, m_store, m_picture->view()).t;
    return std::clamp(t, 1, SampleStore::Count);
}

void LogSpan::press(QPointF twips)
{
    m_pointer = twips;
    m_anchor = m_cursor = sampleAt(twips);
    m_pressed = true;
    m_dragged = false;
    m_keyCursor = false;
    m_shade->update();
}

void LogSpan::drag(QPointF twips)
{
    m_pointer = twips;
    if (m_keyCursor) {
        m_keyCursor = false;
        m_shade->update();
    }
    if (!m_pressed)
        return;
    m_cursor = sampleAt(twips);
    m_dragged = m_dragged || m_cursor != m_anchor;
    if (m_dragged)
        mark(m_anchor, m_cursor);
}

void LogSpan::release()
{
    if (!m_pressed)
        return;
    m_pressed = false;
    if (!m_dragged) {
        m_marked = false;
        refresh();
    }
}

bool LogSpan::key(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier && m_marked) {
        m_marked = false;
        refresh();
        return true;
    }
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    const bool widen = modifiers == Qt::ShiftModifier;
    if (step == 0 || (modifiers != Qt::NoModifier && !widen) || m_pressed)
        return false;
    // Keys go on from the last sample pressed or stepped to, else from the pointer.
    const int from = m_cursor ? m_cursor : sampleAt(m_pointer);
    m_cursor = std::clamp(from + step, 1, SampleStore::Count);
    if (!widen)
        m_anchor = m_cursor;
    else if (!m_marked)
        m_anchor = from;
    if (widen)
        mark(m_anchor, m_cursor);
    m_keyCursor = true;
    refresh();
    return true;
}

void LogSpan::mark(int from, int to)
{
    m_first = std::min(from, to);
    m_last = std::max(from, to);
    m_marked = true;
    m_shade->update();
}

void LogSpan::refresh()
{
    m_shade->update();
    if (!m_keyCursor) {
        emit readoutWanted(float(m_pointer.x()), float(m_pointer.y()));
        return;
    }
    // The readout for a key cursor is the one for the pointer over its sample.
    const float innerWidth = pixelsToTwips(m_picture->width()) - 60;
    const float innerHeight = pixelsToTwips(m_picture->height()) - 60;
    const TimeView& view = m_picture->view();
    emit readoutWanted(static_cast<float>(m_cursor - view.from) * innerWidth / float(view.width()),
        innerHeight / 2);
}
