#include "datafiles.h"

#include "logfile.h"
#include "prompts.h"
#include "samplestore.h"
#include "settingfile.h"

#include <QFile>
#include <QFileInfo>

const QString DataFiles::SettingFilter
    = QStringLiteral("TZ setting data (*.set)|*.set|ALL files(*.*)|*.*");
const QString DataFiles::LogFilter = QStringLiteral("TZ Log data (*.csv)|*.csv|ALL files(*.*)|*.*");

namespace {
bool isSettingFilter(const QString& filter) { return filter.contains(u"setting"_qs); }
}

DataFiles::DataFiles(Prompts& prompts, DataFileHost& host, SampleStore& store)
    : m_prompts(prompts)
    , m_host(host)
    , m_store(store)
{
}

void DataFiles::trouble()
{
    m_prompts.message(QStringLiteral("Trouble is found in data."), Prompts::Icon::Error);
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
            trouble();
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
            trouble();
        break;
    case SettingFile::LoadStatus::Unreadable:
        trouble();
        break;
    case SettingFile::LoadStatus::WrongLength:
    case SettingFile::LoadStatus::Empty:
        break;
    }
}

void DataFiles::loadLogFile(const QString& path)
{
    switch (LogFile::load(path, m_store)) {
    case LogFile::LoadStatus::Loaded:
        m_host.showLog();
        break;
    case LogFile::LoadStatus::Trouble:
        trouble();
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
