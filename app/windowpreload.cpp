#include "windowpreload.h"

#include "logo.h"

#include <QFontDatabase>

WindowPreload::WindowPreload(const QSize& logoSize, qreal devicePixelRatio)
    // Every QFontDatabase function is thread-safe; the first fills the
    // database. Fonts and images may be drawn on any thread.
    : m_thread(QThread::create([this, logoSize, devicePixelRatio] {
        QFontDatabase::families();
        m_logo = drawLogo(logoSize, devicePixelRatio);
    }))
{
    m_thread->start();
}

WindowPreload::~WindowPreload() { m_thread->wait(); }

QImage WindowPreload::logo()
{
    m_thread->wait();
    return m_logo;
}
