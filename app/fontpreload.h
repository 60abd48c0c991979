#pragma once

#include <QThread>
#include <memory>

// Loads the font database on another thread from construction on, so that
// work which measures no text can run meanwhile; waits for it when it goes.
class FontPreload {
public:
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

private:
    std::unique_ptr<QThread> m_thread;
};
