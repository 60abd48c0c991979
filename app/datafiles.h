#pragma once

#include <QCoreApplication>
#include <QString>

class Prompts;
struct SampleStore;

// What the file commands need from the main window.
class DataFileHost {
public:
    virtual ~DataFileHost() = default;
    // Shows a setting file's text when it is a 64-character image; false when
    // a field of it cannot be read (the values are then left as they were).
    virtual bool showSettingFile(const QString& text) = 0;
    // Shows the log window drawn from the sample store; csvPath: the file it
    // was read from, empty for none.
    virtual void showLog(const QString& csvPath = QString()) = 0;
    // The sample store was saved as the log file at path.
    virtual void logSaved(const QString& path) { (void)path; }
};

// The open and save procedures shared by setting files and log files.
class DataFiles {
    Q_DECLARE_TR_FUNCTIONS(DataFiles)
public:
    enum class Kind { Setting, Log };
    // The file dialog's filter for a kind, in the "Desc|*.ext|..." form.
    static QString filter(Kind kind);
    // The texts that the setting history's saves share.
    static QString overwriteQuestion(); // "The file already exists. ..."
    static QString cannotSaveText(); // "The file cannot be saved."
    static QString troubleText(); // "Trouble is found in data."

    DataFiles(Prompts& prompts, DataFileHost& host, SampleStore& store);

    void openDataFile(Kind kind);
    // A log file is written from the sample store; settingImage is for the other kind.
    void saveDataFile(Kind kind, const QString& settingImage);
    // "&Save" of "&Log Data".
    void saveLog();

private:
    void loadSettingFile(const QString& path);
    void loadLogFile(const QString& path);
    // "Trouble is found in data.", naming the file and what broke it.
    void trouble(const QString& path, const QString& problem);

    Prompts& m_prompts;
    DataFileHost& m_host;
    SampleStore& m_store;
};
