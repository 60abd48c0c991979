#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

// Every setting image read from or written to the controller, one setting
// file each, so that File > Open takes any of them. Keeping history must never
// get in an operation's way: nothing here throws, and a failure only raises a
// notice for the caller to show once.
class HistoryStore {
public:
    enum class Kind { Read, BeforeWrite, Written, Verified, DefaultWrite };
    using Clock = std::function<QDateTime()>;

    struct Entry {
        QDateTime time; // from the file name, to the second
        Kind kind = Kind::Read;
        QString path;
        QString image;
        QDateTime lastSeen; // the latest time the same image came again, else time
    };

    static constexpr int MaxEntries = 1000;
    static constexpr int KeepDays = 30; // younger entries are never pruned

    explicit HistoryStore(QString root, Clock clock = &QDateTime::currentDateTime);

    // $XDG_DATA_HOME/tz586kv-link/history
    static QString defaultRoot();
    // As in file names: "read", "before-write", ...
    static QString kindWord(Kind kind);
    // For people: "read", "before write", ...
    static QString kindText(Kind kind);

    const QString& root() const { return m_root; }

    // Keeps image unless it equals the newest entry, whose index line then
    // notes the time. False when the history could not be written, and for an
    // image that is not 64 hex characters (which is not a failure).
    bool record(Kind kind, const QString& image);

    // Newest first; files that are not a 64-hex-character image are skipped.
    QList<Entry> entries();

    // Whether the last record failed.
    bool failed() const { return m_failed; }
    // True once for each run of failures, so the user is told once.
    bool takeFailureNotice();
    QString failureText() const;

private:
    struct Name {
        QDateTime time;
        int seq = 1; // 2, 3, ... for more entries in the same second
        Kind kind = Kind::Read;
        QString file;
    };

    bool write(Kind kind, const QString& image, const QDateTime& now);
    void list(bool always);
    static bool earlier(const Name& a, const Name& b);
    void findNewest();
    Name freeName(const QDateTime& now, Kind kind) const;
    void insert(Name name);
    bool appendIndex(const QDateTime& now, Kind kind, const QString& file) const;
    bool prune(const QDateTime& now);
    bool compactIndex() const;
    QString filePath(const QString& file) const;
    QString indexPath() const;

    QString m_root;
    Clock m_clock;
    // Oldest first. Listed again when the folder changed behind our back.
    std::vector<Name> m_names;
    bool m_listed = false;
    QDateTime m_listedAt;
    // The newest entry that reads as an image, once looked up.
    bool m_newestKnown = false;
    QString m_newestFile;
    QString m_newestImage;
    bool m_failed = false;
    bool m_notice = false;
};
