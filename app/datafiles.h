#pragma once

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
    // Shows the log window drawn from the sample store.
    virtual void showLog() = 0;
};

// The open and save procedures shared by setting files and log files.
class DataFiles {
public:
    static const QString SettingFilter;
    static const QString LogFilter;

    DataFiles(Prompts& prompts, DataFileHost& host, SampleStore& store);

    void openDataFile(const QString& filter);
    // A log file is written from the sample store; settingImage is for the other kind.
    void saveDataFile(const QString& filter, const QString& settingImage);
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
