#pragma once

#include "samplestore.h"

#include <QObject>
#include <QPointF>
#include <QStringList>

class LogPicture;
class QKeyEvent;
class QMouseEvent;
class QWidget;

// A span of whole samples marked on the graph: by dragging with the left
// button, or with Shift and the arrow keys from the cursor sample. A click
// without a drag, or Escape, removes it. The arrow keys alone step the
// cursor and show the readout for it. Drawn over the graph, never into it.
class LogSpan : public QObject {
    Q_OBJECT
public:
    LogSpan(LogPicture* picture, const SampleStore& store);

    bool marked() const { return m_marked; }
    int first() const { return m_first; }
    int last() const { return m_last; }
    // Cursor sample the keys moved last, or 0 while the pointer leads.
    int keyCursor() const { return m_keyCursor ? m_cursor : 0; }

    // The sample under the pointer, or the key cursor's.
    int pointerSample() const;
    // Draws the span again and asks for the readout, after the view moved.
    void refresh();

signals:
    // The readout is to show what the pointer at x, y (twips from the inner
    // top-left corner) would show.
    void readoutWanted(float x, float y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mouse(const QMouseEvent* event);
    int sampleAt(QPointF twips) const;
    void press(QPointF twips);
    void drag(QPointF twips);
    void release();
    bool key(const QKeyEvent* event);
    void mark(int from, int to);

    LogPicture* m_picture;
    const SampleStore& m_store;
    QWidget* m_shade;
    int m_first = 1;
    int m_last = 1;
    int m_anchor = 1;
    int m_cursor = 0;
    bool m_marked = false;
    bool m_pressed = false;
    bool m_dragged = false;
    bool m_keyCursor = false;
    QPointF m_pointer; // twips, last place the pointer was seen
};
