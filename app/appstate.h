#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// The program-wide values that every window reads: the configuration copies
// and the start-up texts.
struct AppState {
    QString title = QStringLiteral("TZ586KV Link");
    QString appPath; // the program's folder, no trailing separator
    QString versionText;
    int16_t portNumber = 0; // 0: no port chosen
    bool demoPort = false; // the demo controller is chosen instead of a number
    std::array<int16_t, 2> scaleLines {}; // voltage, current
};

// The message line is black for progress and success, red for a failure.
enum class MessageTone { Normal, Failure };

// A message as what says it in the language shown now, so that the message
// line can say it again when the user picks another language.
using MessageText = std::function<QString()>;
