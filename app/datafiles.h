#pragma once

#include <QString>

class Prompts;
struct SampleStore;

// What the file commands need from the main window.
class DataFileHost {
public:
    virtual ~DataFileHost() = default;
    // Decodes a 64-character setting image into the window; false when a
    // field of it cannot be read (the window is then left as it was).
    virtual bool ShowBufferData(const QString& image) = 0;
    // Shows the log window drawn from the sample store.
    virtual void SetGraphFile() = 0;
};

// The open and save procedures shared by setting files and log files.
class DataFiles {
public:
    static const QString SettingFilter;
    static const QString LogFilter;

    DataFiles(Prompts& prompts, DataFileHost& host, SampleStore& store);

    void OpenDataFile(const QString& filter);
    // A log file is written from the sample store; settingImage is for the other kind.
    void SaveDataFile(const QString& filter, const QString& settingImage);
    // "&Save" of "&Log Data".
    void SaveLog();

private:
    void loadSettingFile(const QString& path);
    void loadLogFile(const QString& path);
    void trouble();

    Prompts& m_prompts;
    DataFileHost& m_host;
    SampleStore& m_store;
};
