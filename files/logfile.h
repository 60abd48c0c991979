#pragma once

#include "samplestore.h"

#include <QString>

// The run log as CSV: a header and one line per sample, CR LF after each.
namespace LogFile {

inline constexpr qint64 MaxFileSize = 1024 * 1024;

QString logFileText(const SampleStore& store);

enum class LoadStatus {
    Loaded, // the store holds the file's samples, the rest missing; store.held set
    Empty, // empty file: nothing to load, store unchanged
    Trouble, // unreadable, too large or breaking a rule: store unchanged
};

// problem, when given, receives what broke the file for Trouble, e.g.
// "Line 3: expected the sample number 1 first".
LoadStatus load(const QString& path, SampleStore& store, QString* problem = nullptr);

// Writes logFileText's text; false (old file intact) on failure.
bool save(const QString& path, const SampleStore& store);

} // namespace LogFile
