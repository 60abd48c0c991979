#include "settingfile.h"

#include "writetarget.h"

#include <QFile>
#include <QFileInfo>

namespace SettingFile {

namespace {
    constexpr qint64 ImageLength = 64;
}

Loaded load(const QString& path)
{
    Loaded result;
    if (QFileInfo(path).isDir())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    // One byte more than an image tells a longer file from an image.
    const QByteArray bytes = file.read(ImageLength + 1);
    if (file.error() != QFileDevice::NoError)
        return result;
    result.text = QString::fromLatin1(bytes);
    if (bytes.isEmpty())
        result.status = LoadStatus::Empty;
    else if (bytes.size() == ImageLength)
        result.status = LoadStatus::Image;
    else
        result.status = LoadStatus::WrongLength;
    return result;
}

bool save(const QString& path, const QString& image)
{
    if (image.size() != ImageLength)
        return false;
    return saveAtomically(path, image.toLatin1());
}

} // namespace SettingFile
