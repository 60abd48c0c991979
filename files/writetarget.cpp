#include "writetarget.h"

#include <QFileInfo>
#include <QSaveFile>

bool mayReplace(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return !info.isSymLink();
    return info.isFile() && info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

bool mayWriteInto(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

bool saveAtomically(const QString& path, const QByteArray& bytes)
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
