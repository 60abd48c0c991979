#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

}

SingleInstance::SingleInstance(const QString& name, const QString& folder)
{
    const QString dir = folder.isEmpty() ? defaultFolder() : folder;
    // The temporary folder is shared between users: the user id keeps the
    // lock per user there.
    m_path = QDir(dir).filePath(name + u'-' + userTag() + u".lock"_qs);
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a lock whose owner has gone is taken over.
    m_lock->setStaleLockTime(0);
}

QString SingleInstance::defaultFolder()
{
#ifdef Q_OS_WIN
    // Windows gives every user a temporary folder of their own.
    return QDir::tempPath();
#else
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty() || !QDir(dir).exists())
        dir = QDir::tempPath();
    return dir;
#endif
}

bool SingleInstance::tryLock()
{
    if (m_lock->isLocked())
        return true;
    return m_lock->tryLock(0);
}
