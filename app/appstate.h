#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The program-wide values that every window reads: the configuration copies,
// the port dialog's outcome and the start-up texts.
struct AppState {
    QString AppTitle = QStringLiteral("TZ586KV Link");
    QString AppPath; // the program's folder, no trailing separator
    QString VersionText;
    int16_t ComPortNo = 0; // 0: no port chosen
    std::array<int16_t, 2> ScaleLine {}; // voltage, current
    bool PortCancelled = false;
};
