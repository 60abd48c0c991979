#include "fontpreload.h"

#include <QFontDatabase>

FontPreload::FontPreload()
    // Every QFontDatabase function is thread-safe; the first fills the database.
    : m_thread(QThread::create([] { QFontDatabase::families(); }))
{
    m_thread->start();
}

FontPreload::~FontPreload() { m_thread->wait(); }
