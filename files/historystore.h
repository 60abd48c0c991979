#pragma once

#include "imagekind.h"
#include "keptfolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

// Every setting image read from or written to the controller, one setting
// file each, so that File > Open takes any of them. Keeping history must never
// get in an operation's way: nothing here throws, and a failure only raises a
// notice for the caller to show once.
class HistoryStore : public KeptFolder {
    Q_DECLARE_TR_FUNCTIONS(HistoryStore)

public:
    // What an image was when kept: BeforeDefault is the image held before a
    // Default Write, DefaultWrite the one read back after it.
    using Kind = ImageKind;

    struct Entry {
        QDateTime time; // from the file name, to the second; UTC but in older entries
        Kind kind = Kind::Read; // as the file was kept
        QList<Kind> kinds; // kind, then each other kind the same image came back as
        QString path;
        QString image;
        QDateTime lastSeen; // the latest time the same image came again, else time
        QString port; // empty in entries of older versions
        int modelCode = -1; // the image's model and ROM version bytes
        int romVersion = -1;
    };

    static constexpr int MaxEntries = 1000;
    static constexpr int KeepDays = 30; // younger entries are never pruned

    explicit HistoryStore(QString root, Clock clock = &QDateTime::currentDateTimeUtc);

    // $XDG_DATA_HOME/tz586kv-link/history
    static QString defaultRoot();
    // As in file names: "read", "before-write", ...
    static QString kindWord(Kind kind);
    // For people, in their language: "read", "before write", ...
    static QString kindText(Kind kind);
    // Every kind of the entry: "written, verified".
    static QString kindsText(const Entry& entry);

    // Keeps image unless it equals the newest entry and came from the same
    // port; the index then notes the time. False when the history could not be
    // written, and for an image that is not 64 hex characters (which is not a
    // failure). Safe against other processes recording into the same folder.
    bool record(Kind kind, const QString& image, const QString& port = {});

    // Newest first; files that are not a 64-hex-character image are skipped.
    QList<Entry> entries();

private:
    struct Name {
        QDateTime time;
        int seq = 1; // 2, 3, ... for more entries in the same second
        Kind kind = Kind::Read;
        QString file;
    };
    // What the index says of one entry file.
    struct Noted {
        QList<Kind> kinds;
        QDateTime lastSeen;
        QString port;
        int modelCode = -1;
        int romVersion = -1;
        bool known = false;
    };

    bool write(Kind kind, const QString& image, const QString& port, const QDateTime& now);
    void list();
    QHash<QString, Noted> readIndex() const;
    void findNewest();
    bool create(const QDateTime& now, Kind kind, const QString& image, QString& file);
    bool appendIndex(QByteArray line) const;
    bool indexReadable() const;
    bool prune(const QDateTime& now);
    bool compactIndex() const;
    QString filePath(const QString& file) const;
    QString indexPath() const;

    static QString failureSentence(const QString& folder);

    std::vector<Name> m_names; // oldest first
    // Of m_newestFile, the newest entry that reads as an image, kept while it
    // stays the newest.
    QString m_newestImage;
    QString m_newestPort;
};
