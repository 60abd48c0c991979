#pragma once

#include <QByteArray>
#include <QtGlobal>

// Bytes the emulator read from the line in one go, and when.
struct ReceivedChunk {
    qint64 ms = 0; // since the emulator was created
    QByteArray data;
};
