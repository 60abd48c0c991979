#pragma once

#include "../files/fileio.h"

#include <QDir>
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

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Serial replies and files arrive as bytes; the program reads them as Latin-1.
inline QString latin1(const uint8_t* data, size_t size)
{
    return QString::fromLatin1(bytes(data, size));
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

} // namespace FuzzInput
