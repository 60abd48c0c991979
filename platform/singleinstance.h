#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running copy per user: a lock file in the user's runtime folder. A lock
// left behind by a copy that crashed is taken over.
class SingleInstance {
public:
    // folder empty: the user's runtime folder, or the temporary folder.
    explicit SingleInstance(const QString& name, const QString& folder = QString());

    // True when this is the only copy; it then holds the lock until destroyed.
    bool tryLock();
    QString lockPath() const { return m_path; }

    static QString defaultFolder();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
