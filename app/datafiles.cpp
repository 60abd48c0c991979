#include "datafiles.h"

#include "logfile.h"
#include "prompts.h"
#include "samplestore.h"
#include "settingfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

QString DataFiles::filter(Kind kind)
{
    // Only the descriptions are words.
    const QString all = u"|"_qs + tr("ALL files(*.*)") + u"|*.*"_qs;
    return kind == Kind::Setting ? tr("TZ setting data (*.set)") + u"|*.set"_qs + all
                                 : tr("TZ Log data (*.csv)") + u"|*.csv"_qs + all;
}

QString DataFiles::overwriteQuestion()
{
    return tr("The file already exists. \r\nDo you overwrite?");
}

QString DataFiles::cannotSaveText() { return tr("The file cannot be saved."); }

QString DataFiles::troubleText() { return tr("Trouble is found in data."); }

namespace {
// Where an image that the decoder refused first breaks.
QString notHex(const QString& image)
{
    const auto broken = std::find_if(image.begin(), image.end(),
        [](QChar c) { return !QStringView(u"0123456789ABCDEFabcdef").contains(c); });
    if (broken == image.end())
        return DataFiles::tr("The setting image cannot be read");
    return DataFiles::tr("Character %1: expected a hexadecimal digit")
        .arg(broken - image.begin() + 1);
}
}

DataFiles::DataFiles(Prompts& prompts, DataFileHost& host, SampleStore& store)
    : m_prompts(prompts)
    , m_host(host)
    , m_store(store)
{
}

void DataFiles::trouble(const QString& path, const QString& problem)
{
    m_prompts.messageWithDetail(
        troubleText(), Prompts::Icon::Error, QDir::toNativeSeparators(path) + u'\n' + problem);
}

void DataFiles::openDataFile(Kind kind)
{
    const QString path = m_prompts.openFileName(filter(kind));
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        if (!m_prompts.ask(tr("File not found. Create it?")))
            return;
        QFile created(path);
        // NewOnly: a file that appeared meanwhile is never emptied.
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            trouble(path, created.errorString());
        // A new file is empty: nothing to load.
        return;
    }
    if (kind == Kind::Setting)
        loadSettingFile(path);
    else
        loadLogFile(path);
}

void DataFiles::loadSettingFile(const QString& path)
{
    const SettingFile::Loaded loaded = SettingFile::load(path);
    switch (loaded.status) {
    case SettingFile::LoadStatus::Image:
        if (!m_host.showSettingFile(loaded.text))
            trouble(path, notHex(loaded.text));
        break;
    case SettingFile::LoadStatus::Unreadable:
        trouble(path, tr("The file cannot be read"));
        break;
    case SettingFile::LoadStatus::Folder:
        trouble(path, tr("A folder, not a file"));
        break;
    case SettingFile::LoadStatus::NotRegular:
        trouble(path, tr("Not a regular file"));
        break;
    case SettingFile::LoadStatus::WrongLength:
    case SettingFile::LoadStatus::NotHex:
        trouble(path, loaded.problem.text);
        break;
    case SettingFile::LoadStatus::Empty:
        break;
    }
}

void DataFiles::loadLogFile(const QString& path)
{
    QString problem;
    switch (LogFile::load(path, m_store, &problem)) {
    case LogFile::LoadStatus::Loaded:
        m_host.showLog(path);
        break;
    case LogFile::LoadStatus::Trouble:
        trouble(path, problem);
        break;
    case LogFile::LoadStatus::Empty:
        break;
    }
}

void DataFiles::saveDataFile(Kind kind, const QString& settingImage)
{
    const QString path = m_prompts.saveFileName(filter(kind));
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && !m_prompts.ask(overwriteQuestion()))
        return;
    const bool saved = kind == Kind::Setting ? SettingFile::save(path, settingImage)
                                             : LogFile::save(path, m_store);
    if (!saved)
        m_prompts.message(cannotSaveText(), Prompts::Icon::Warning);
    else if (kind == Kind::Log)
        m_host.logSaved(path);
}

void DataFiles::saveLog()
{
    if (!m_store.held) {
        m_prompts.message(tr("There is no preserved data."), Prompts::Icon::Warning);
        return;
    }
    saveDataFile(Kind::Log, QString());
}
