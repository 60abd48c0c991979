#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
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

bool isAlive(qint64 pid)
{
#ifdef Q_OS_UNIX
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#elif defined(Q_OS_WIN)
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    Q_UNUSED(pid)
    return true;
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

bool SingleInstance::isStale(qint64 recordedPid, qint64 ownPid, bool recordedAlive)
{
    return recordedPid == ownPid || !recordedAlive;
}

bool SingleInstance::tryLock()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return true;
    qint64 pid = 0;
    QString host;
    QString app;
    if (m_lock->error() != QLockFile::LockFailedError || !m_lock->getLockInfo(&pid, &host, &app))
        return false;
    // A process ID of another machine says nothing here.
    const bool elsewhere = !host.isEmpty() && host != QSysInfo::machineHostName();
    const bool alive = elsewhere || isAlive(pid);
    // A holder in this process still has the file locked: the removal fails.
    return isStale(pid, QCoreApplication::applicationPid(), alive) && m_lock->removeStaleLockFile()
        && m_lock->tryLock(0);
}
