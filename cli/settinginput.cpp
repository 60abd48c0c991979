#include "settinginput.h"

#include "console.h"
#include "settingfile.h"
#include "settingvalues.h"
#include "writetarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// source: a sentence with %1 for the path and %2 for detail, when it is not null.
Say sentence(const char* source, const QString& path, const QString& detail = {})
{
    return [=] {
        const QString text = QCoreApplication::translate("SettingInput", source);
        return detail.isNull() ? text.arg(path) : text.arg(path, detail);
    };
}

} // namespace

SettingInput readSettingFile(const QString& path)
{
    SettingInput input;
    const SettingFile::Loaded loaded = SettingFile::load(path);
    auto refuse = [&](const char* why, const QString& detail = {}) {
        input.code = ExitCode::FileTrouble;
        input.message = sentence(why, path, detail);
        return input;
    };
    switch (loaded.status) {
    case SettingFile::LoadStatus::Unreadable:
        return QFileInfo::exists(path)
            ? refuse(QT_TRANSLATE_NOOP("SettingInput", "%1: cannot be read"))
            : refuse(QT_TRANSLATE_NOOP("SettingInput", "%1: no such file"));
    case SettingFile::LoadStatus::Folder:
        return refuse(QT_TRANSLATE_NOOP("SettingInput", "%1: cannot be read: is a folder"));
    case SettingFile::LoadStatus::NotRegular:
        return refuse(
            QT_TRANSLATE_NOOP("SettingInput", "%1: cannot be read: is not a regular file"));
    case SettingFile::LoadStatus::Empty:
        return refuse(QT_TRANSLATE_NOOP("SettingInput", "%1: not a setting file: it is empty"));
    case SettingFile::LoadStatus::WrongLength:
    case SettingFile::LoadStatus::NotHex:
        return refuse(
            QT_TRANSLATE_NOOP("SettingInput", "%1: not a setting file: %2"), loaded.problem.text);
    case SettingFile::LoadStatus::Image:
        break;
    }
    // The values as the window would take them from the file.
    SettingValues values;
    switch (values.show(loaded.text)) {
    case SettingImage::DecodeStatus::Ok:
        input.image = values.shownImage().toUpper();
        input.problems = values.problems();
        return input;
    case SettingImage::DecodeStatus::Deleted:
        return refuse(
            QT_TRANSLATE_NOOP("SettingInput", "%1: holds deleted setting data (model code FF)"));
    case SettingImage::DecodeStatus::OtherModel:
        return refuse(
            QT_TRANSLATE_NOOP("SettingInput", "%1: is for another controller type (model code %2)"),
            QString::number(SettingImage::modelCode(loaded.text), 16)
                .rightJustified(2, u'0')
                .toUpper());
    case SettingImage::DecodeStatus::BadField:
        break;
    }
    return refuse(
        QT_TRANSLATE_NOOP("SettingInput", "%1: holds characters that are not hexadecimal"));
}

ExitCode checkOutput(Console& console, const QString& path)
{
    if (path == u"-"_qs)
        return ExitCode::Done;
    const QFileInfo info(path);
    const QString folder = info.dir().path();
    Say why;
    if (info.isDir())
        why = sentence(
            QT_TRANSLATE_NOOP("SettingInput", "%1: cannot be written: is a folder"), path);
    else if (info.exists() && !mayReplace(path))
        why = sentence(QT_TRANSLATE_NOOP("SettingInput",
                           "%1: cannot be written: may not be replaced (permission denied)"),
            path);
    else if (!info.exists() && !info.dir().exists())
        why = sentence(QT_TRANSLATE_NOOP(
                           "SettingInput", "%1: cannot be written: the folder %2 does not exist"),
            path, folder);
    else if (!info.exists() && !mayWriteInto(folder))
        why = sentence(QT_TRANSLATE_NOOP("SettingInput",
                           "%1: cannot be written: the folder %2 may not be written "
                           "(permission denied)"),
            path, folder);
    if (!why)
        return ExitCode::Done;
    console.error(why);
    return ExitCode::FileTrouble;
}

ExitCode saveSettingFile(Console& console, const QString& path, const QString& image)
{
    if (path == u"-"_qs) {
        console.data(image.toLatin1());
        return ExitCode::Done;
    }
    if (SettingFile::save(path, image))
        return ExitCode::Done;
    console.error(sentence(QT_TRANSLATE_NOOP("SettingInput", "%1: cannot be written"), path));
    return ExitCode::FileTrouble;
}
