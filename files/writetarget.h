#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QSaveFile>
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

// Puts bytes in place of the file at path all at once; false, with any old
// file left as it was, when that is not possible.
inline bool saveAtomically(const QString& path, const QByteArray& bytes)
{
    if (!mayReplace(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}
