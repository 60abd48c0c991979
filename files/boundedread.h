#pragma once

#include <QByteArray>
#include <QFile>

// Reads until the end or until more than limit bytes are in, whatever size the
// file claims. Reading in small pieces keeps a small file from costing a
// buffer of the limit's size on every read.
inline QByteArray readBounded(QFile& file, qint64 limit)
{
    QByteArray bytes;
    char piece[16 * 1024];
    while (bytes.size() <= limit) {
        const qint64 n = file.read(piece, sizeof piece);
        if (n <= 0)
            break;
        bytes.append(piece, qsizetype(n));
    }
    return bytes;
}
