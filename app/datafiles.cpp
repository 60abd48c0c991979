#include "datafiles.h"

#include "logfile.h"
#include "prompts.h"
#include "samplestore.h"
#include "settingfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

const QString DataFiles::SettingFilter
    = QStringLiteral("TZ setting data (*.set)|*.set|ALL files(*.*)|*.*");
const QString DataFiles::LogFilter = QStringLiteral("TZ Log data (*.csv)|*.csv|ALL files(*.*)|*.*");

namespace {
bool isSettingFilter(const QString& filter) { return filter.contains(u"setting"_qs); }

// Where an image that the decoder refused first breaks.
QString notHex(const QString& image)
{
    const auto broken = std::find_if(image.begin(), image.end(),
        [](QChar c) { return !QStringView(u"0123456789ABCDEFabcdef").contains(c); });
    if (broken == image.end())
        return QStringLiteral("The setting image cannot be read");
    return QStringLiteral("Character %1: expected a hexadecimal digit")
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
    m_prompts.messageWithDetail(QStringLiteral("Trouble is found in data."), Prompts::Icon::Error,
        QDir::toNativeSeparators(path) + u'\n' + problem);
}

void DataFiles::openDataFile(const QString& filter)
{
    const QString path = m_prompts.openFileName(filter);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        if (!m_prompts.ask(QStringLiteral("File not found. Create it?")))
            return;
        QFile created(path);
        // NewOnly: a file that appeared meanwhile is never emptied.
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            trouble(path, created.errorString());
        // A new file is empty: nothing to load.
        return;
    }
    if (isSettingFilter(filter))
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
        trouble(path, QStringLiteral("The file cannot be read"));
        break;
    case SettingFile::LoadStatus::Folder:
        trouble(path, QStringLiteral("A folder, not a file"));
        break;
    case SettingFile::LoadStatus::NotRegular:
        trouble(path, QStringLiteral("Not a regular file"));
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
        m_host.showLog();
        break;
    case LogFile::LoadStatus::Trouble:
        trouble(path, problem);
        break;
    case LogFile::LoadStatus::Empty:
        break;
    }
}

void DataFiles::saveDataFile(const QString& filter, const QString& settingImage)
{
    const QString path = m_prompts.saveFileName(filter);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)
        && !m_prompts.ask(QStringLiteral("The file already exists. \r\nDo you overwrite?")))
        return;
    const bool saved = isSettingFilter(filter) ? SettingFile::save(path, settingImage)
                                               : LogFile::save(path, m_store);
    if (!saved)
        m_prompts.message(QStringLiteral("The file cannot be saved."), Prompts::Icon::Warning);
}

void DataFiles::saveLog()
{
    if (!m_store.held) {
        m_prompts.message(QStringLiteral("There is no preserved data."), Prompts::Icon::Warning);
        return;
    }
    saveDataFile(LogFilter, QString());
}
