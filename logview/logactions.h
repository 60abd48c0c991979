#pragma once

#include "samplestore.h"

#include <QImage>
#include <QList>
#include <QObject>

class LogSpan;
class Prompts;
class QAction;
class QWidget;

// The graph's context menu: the figures of the span, or of the whole log
// without one, and the window's graph as a picture, saved or copied.
class LogActions : public QObject {
    Q_OBJECT
public:
    // leftOut: controls of the window that are no part of the picture.
    LogActions(QWidget* window, QWidget* graph, const LogSpan& span, const SampleStore& store,
        QList<QWidget*> leftOut);

    // The menu's texts in the language shown.
    void retranslate();
    // Without prompts the figures and the saving do nothing.
    void setPrompts(Prompts* prompts) { m_prompts = prompts; }

    // The window's graph area with scales, legends and span, at the window's
    // size or twice it.
    QImage picture() const;

private:
    void showStatistics();
    void savePicture();
    void copyPicture();

    QWidget* m_window;
    const LogSpan& m_span;
    const SampleStore& m_store;
    QList<QWidget*> m_leftOut;
    Prompts* m_prompts = nullptr;
    QAction* m_statistics = nullptr;
    QAction* m_save = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_twice = nullptr;
};
