#pragma once

#include <QString>

// What a path names, as far as reading a data file from it goes. Opening a
// FIFO or a terminal waits for a writer or a typist, perhaps for ever: only a
// regular file (or a link to one) is opened.
enum class InputFileKind {
    Regular,
    Missing,
    Folder,
    Other, // a FIFO, a terminal, a device, a socket
};

InputFileKind inputFileKind(const QString& path);
