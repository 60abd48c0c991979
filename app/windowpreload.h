#pragma once

#include <QImage>
#include <QThread>
#include <memory>

// Fills the font database and draws the logo on another thread from
// construction on, so that the parts of the window that need neither are
// built meanwhile; waits for the thread when it goes.
class WindowPreload {
public:
    WindowPreload(const QSize& logoSize, qreal devicePixelRatio);
    ~WindowPreload();
    WindowPreload(const WindowPreload&) = delete;
    WindowPreload& operator=(const WindowPreload&) = delete;

    // The logo, once the thread is done.
    QImage logo();

private:
    QImage m_logo;
    std::unique_ptr<QThread> m_thread;
};
