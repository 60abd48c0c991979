#pragma once

#include "historystore.h"
#include "samplestore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

// Every log fetched from the controller, one CSV file each as File > Save
// writes it, with the time, the port and the setting image in force then, so
// that any two flights can be compared. Kept as the settings history keeps
// its images: entries created exclusively, the index under a lock, none
// younger than KeepDays pruned. Nothing here throws; a failure only raises a
// notice for the caller to show once.
class LogHistory : public KeptFolder {
    Q_DECLARE_TR_FUNCTIONS(LogHistory)

public:
    struct Entry {
        QDateTime time; // UTC, from the file name, to the second
        QString path; // the CSV: LogFile::load reads it, LogMarkers keep marks beside it
        QString port; // empty when the index lost it
        QString image; // the setting image in force, empty when none was known
    };

    static constexpr int MaxEntries = HistoryStore::MaxEntries;
    static constexpr int KeepDays = HistoryStore::KeepDays;

    explicit LogHistory(QString root, Clock clock = &QDateTime::currentDateTimeUtc);

    // The logs that go with the settings history kept in settingsRoot.
    static QString rootIn(const QString& settingsRoot);

    // Keeps the store's log, unless it holds none (which is not a failure);
    // image: the controller's settings, kept when it is 64 hex characters.
    // False when the history could not be written. Safe against other
    // processes recording into the same folder.
    bool record(const SampleStore& store, const QString& port, const QString& image);

    // Newest first.
    QList<Entry> entries();

private:
    struct Name {
        QDateTime time;
        int seq = 1;
        QString file;
    };

    bool write(const SampleStore& store, const QString& port, const QString& image);
    void list();
    bool compactIndex() const;
    QString indexPath() const;

    static QString failureSentence(const QString& folder);

    std::vector<Name> m_names; // oldest first
};
