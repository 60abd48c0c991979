#pragma once

#include "logscene.h"
#include "samplestore.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <functional>

class LogSpan;
class Prompts;
class QAction;
class QPainter;
class QWidget;

// The graph's context menu: the figures of the span, or of the whole log
// without one; the resting curve, markers and the compared log; and the
// window's graph as a picture, saved or copied.
class LogActions : public QObject {
    Q_OBJECT
public:
    // leftOut: controls of the window that are no part of the picture;
    // changed: the scene changed and the graph is to be drawn again.
    LogActions(QWidget* window, QWidget* graph, const LogSpan& span, const SampleStore& store,
        LogScene& scene, QList<QWidget*> leftOut, std::function<void()> changed);

    // The menu's texts in the language shown.
    void retranslate();
    // Without prompts the figures, the markers and the saving do nothing.
    void setPrompts(Prompts* prompts) { m_prompts = prompts; }
    // Shows which items the scene has a use for now.
    void showScene();
    // Keeps the markers beside the log's CSV, when it has one; false when
    // that failed (the user was told).
    bool keepMarkers();

    // The window's graph area with scales, legends and span, at the window's
    // size or twice it.
    QImage picture() const;
    // "flight.csv, port demo": where the log came from, under the picture.
    QString caption() const;

private:
    QAction* add(QWidget* graph, void (LogActions::*slot)());
    void showStatistics();
    void toggleResting();
    void addMarker();
    void removeMarkers();
    void removeComparison();
    void paint(QPainter& painter) const;
    void savePicture();
    void copyPicture();

    QWidget* m_window;
    const LogSpan& m_span;
    const SampleStore& m_store;
    LogScene& m_scene;
    QList<QWidget*> m_leftOut;
    std::function<void()> m_changed;
    Prompts* m_prompts = nullptr;
    QAction* m_statistics = nullptr;
    QAction* m_resting = nullptr;
    QAction* m_addMarker = nullptr;
    QAction* m_removeMarkers = nullptr;
    QAction* m_removeComparison = nullptr;
    QAction* m_save = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_twice = nullptr;
};
