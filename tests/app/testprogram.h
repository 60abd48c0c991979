#pragma once

#include "../files/fileio.h"
#include "windowprogram.h"

#include <memory>

// The window program as it ships, started in dir: the configuration ini is
// written there first and the settings history kept there too.
inline std::unique_ptr<WindowProgram> startProgram(
    const QString& dir, const QByteArray& ini, WindowProgram::Options options)
{
    if (!writeAll(dir + u"/TZ586KV Link.ini"_qs, ini))
        return nullptr;
    options.appPath = dir;
    options.singleInstance = false;
    options.historyRoot = dir + u"/history"_qs;
    auto program = std::make_unique<WindowProgram>(std::move(options));
    return program->start() ? std::move(program) : nullptr;
}
