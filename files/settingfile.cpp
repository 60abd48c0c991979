#include "settingfile.h"

#include "inputfile.h"
#include "writetarget.h"

#include <QFile>

namespace SettingFile {

namespace {
    constexpr qint64 ImageLength = 64;
    // A byte-order mark, the image, CR LF, and one byte to tell a longer file.
    constexpr qint64 MostRead = 3 + ImageLength + 2 + 1;
    const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");

    bool isHex(char c)
    {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    }

    QByteArray withoutLineEnd(QByteArray bytes)
    {
        if (bytes.endsWith("\r\n"))
            bytes.chop(2);
        else if (bytes.endsWith('\n'))
            bytes.chop(1);
        return bytes;
    }

    Phrase said(const char* source) { return Phrase::of("SettingFile", source); }

    // length: the image's part of the whole file, for the message.
    void check(const QByteArray& image, qint64 length, Loaded& result)
    {
        for (qsizetype i = 0; i < image.size() && i < ImageLength; ++i) {
            if (!isHex(image[i])) {
                result.status = LoadStatus::NotHex;
                result.problem = said(
                    QT_TRANSLATE_NOOP("SettingFile", "Character %1: expected a hexadecimal digit"))
                                     .arg(i + 1);
                return;
            }
        }
        if (image.size() != ImageLength) {
            result.status = LoadStatus::WrongLength;
            result.problem = said(
                QT_TRANSLATE_NOOP("SettingFile",
                    "%1 characters: a setting file holds the 64 hexadecimal characters of the "
                    "image, then at most one line end"))
                                 .arg(length);
            return;
        }
        result.status = LoadStatus::Image;
        result.text = QString::fromLatin1(image);
    }
}

Loaded load(const QString& path)
{
    Loaded result;
    switch (inputFileKind(path)) {
    case InputFileKind::Folder:
        result.status = LoadStatus::Folder;
        return result;
    case InputFileKind::Other:
        result.status = LoadStatus::NotRegular;
        return result;
    case InputFileKind::Regular:
    case InputFileKind::Missing:
        break;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    QByteArray bytes = file.read(MostRead);
    if (file.error() != QFileDevice::NoError)
        return result;
    if (bytes.isEmpty()) {
        result.status = LoadStatus::Empty;
        return result;
    }
    qint64 length = file.size();
    if (bytes.startsWith(Bom)) {
        bytes.remove(0, Bom.size());
        length -= Bom.size();
    }
    const QByteArray image = withoutLineEnd(bytes);
    check(image, length - (bytes.size() - image.size()), result);
    return result;
}

bool save(const QString& path, const QString& image)
{
    if (image.size() != ImageLength)
        return false;
    return saveAtomically(path, image.toLatin1());
}

} // namespace SettingFile
