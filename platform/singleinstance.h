#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running copy per user: a lock file in the user's runtime folder. A lock
// left behind by a copy that crashed is taken over, also when this copy got
// the crashed one's process ID.
class SingleInstance {
public:
    // folder empty: the user's runtime folder, or the temporary folder.
    explicit SingleInstance(const QString& name, const QString& folder = QString());

    // True when this is the only copy; it then holds the lock until destroyed.
    bool tryLock();
    QString lockPath() const { return m_path; }

    static QString defaultFolder();

    // Whether a lock that names recordedPid is left over. Its own ID in a
    // lock it does not hold means a copy that crashed had the ID before
    // (Windows and Wine hand IDs out again at once).
    static bool isStale(qint64 recordedPid, qint64 ownPid, bool recordedAlive);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
