#pragma once

#include <QByteArray>
#include <QString>

// Whether a file may be replaced. A save file is renamed over the old one,
// which would get past a write-protected file, so its mode is asked first;
// the owner's write bit counts even for a superuser, as a read-only mark should.
bool mayReplace(const QString& path);

// Writes bytes to a temporary file renamed over path, so that a failed save
// never damages the old file; false when the file may not be replaced or any
// step fails.
bool saveAtomically(const QString& path, const QByteArray& bytes);

// Whether new files may be made in a folder, by the same owner-bit rule.
bool mayWriteInto(const QString& folder);
