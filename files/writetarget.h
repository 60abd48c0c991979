#pragma once

#include <QFileInfo>
#include <QString>

// Whether a file may be replaced. A save file is renamed over the old one,
// which would get past a write-protected file, so its mode is asked first;
// the owner's write bit counts even for a superuser, as a read-only mark should.
inline bool mayReplace(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return !info.isSymLink();
    return info.isFile() && info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

// Whether new files may be made in a folder, by the same owner-bit rule.
inline bool mayWriteInto(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}
