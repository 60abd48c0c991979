#include "settinginput.h"

#include "console.h"
#include "settingfile.h"
#include "settingvalues.h"
#include "writetarget.h"

#include <QDir>

#include <QFileInfo>

SettingInput readSettingFile(const QString& path)
{
    SettingInput input;
    const SettingFile::Loaded loaded = SettingFile::load(path);
    auto refuse = [&](const QString& why) {
        input.code = ExitCode::FileTrouble;
        input.message = path + u": "_qs + why;
        return input;
    };
    switch (loaded.status) {
    case SettingFile::LoadStatus::Unreadable:
        return refuse(QFileInfo::exists(path) ? u"cannot be read"_qs : u"no such file"_qs);
    case SettingFile::LoadStatus::Folder:
        return refuse(u"cannot be read: is a folder"_qs);
    case SettingFile::LoadStatus::NotRegular:
        return refuse(u"cannot be read: is not a regular file"_qs);
    case SettingFile::LoadStatus::Empty:
        return refuse(u"not a setting file: it is empty"_qs);
    case SettingFile::LoadStatus::WrongLength:
    case SettingFile::LoadStatus::NotHex:
        return refuse(u"not a setting file: "_qs + loaded.problem.text);
    case SettingFile::LoadStatus::Image:
        break;
    }
    // The values as the window would take them from the file.
    SettingValues values;
    switch (values.show(loaded.text)) {
    case SettingImage::DecodeStatus::Ok:
        input.image = values.shownImage().toUpper();
        for (const ValueProblem& problem : values.problems())
            input.problems.append(problem.text(TextStyle::Script));
        return input;
    case SettingImage::DecodeStatus::Deleted:
        return refuse(u"holds deleted setting data (model code FF)"_qs);
    case SettingImage::DecodeStatus::OtherModel:
        return refuse(u"is for another controller type (model code %1)"_qs.arg(
            QString::number(SettingImage::modelCode(loaded.text), 16)
                .rightJustified(2, u'0')
                .toUpper()));
    case SettingImage::DecodeStatus::BadField:
        break;
    }
    return refuse(u"holds characters that are not hexadecimal"_qs);
}

ExitCode checkOutput(Console& console, const QString& path)
{
    if (path == u"-"_qs)
        return ExitCode::Done;
    const QFileInfo info(path);
    QString why;
    if (info.isDir())
        why = u"is a folder"_qs;
    else if (info.exists() && !mayReplace(path))
        why = u"may not be replaced (permission denied)"_qs;
    else if (!info.exists() && !info.dir().exists())
        why = u"the folder %1 does not exist"_qs.arg(info.dir().path());
    else if (!info.exists() && !mayWriteInto(info.dir().path()))
        why = u"the folder %1 may not be written (permission denied)"_qs.arg(info.dir().path());
    if (why.isEmpty())
        return ExitCode::Done;
    console.error(path + u": cannot be written: "_qs + why);
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
    console.error(path + u": cannot be written"_qs);
    return ExitCode::FileTrouble;
}
