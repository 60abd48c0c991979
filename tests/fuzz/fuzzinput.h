#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property is a finding like a crash: stop so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace FuzzInput {

// Serial replies and files arrive as bytes; the program reads them as Latin-1.
inline QString latin1(const uint8_t* data, size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The same bytes as UTF-16, to reach characters beyond Latin-1 as well.
inline QString utf16(const uint8_t* data, size_t size)
{
    return QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
}

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// One scratch folder per process, removed at exit. A saved file is synced to
// disk, so a memory file system keeps the fuzzer fast.
inline QString scratchPath(const QString& name)
{
    static QTemporaryDir dir(QDir(u"/dev/shm"_qs).exists()
            ? u"/dev/shm/tz-fuzz-XXXXXX"_qs
            : QDir::tempPath() + u"/tz-fuzz-XXXXXX"_qs);
    if (!dir.isValid())
        std::abort();
    return dir.filePath(name);
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return file.readAll();
}

inline void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

} // namespace FuzzInput
