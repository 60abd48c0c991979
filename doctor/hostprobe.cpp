#include "hostprobe.h"

#include "portline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString DpkgStatus = QStringLiteral("/var/lib/dpkg/status");

#ifdef Q_OS_UNIX
QString groupName(gid_t gid)
{
    const group* entry = ::getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(gid);
}

QStringList groupNames(const std::vector<gid_t>& gids)
{
    QStringList names;
    for (const gid_t gid : gids) {
        const QString name = groupName(gid);
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}
#endif

// ttyUSB2 before ttyUSB10.
bool deviceOrder(const QString& a, const QString& b)
{
    auto split = [](const QString& s) {
        qsizetype digits = s.size();
        while (digits > 0 && s[digits - 1].isDigit())
            --digits;
        return std::pair(s.left(digits), s.mid(digits).toInt());
    };
    return split(a) < split(b);
}

QStringList entries(const QString& folder, const QStringList& patterns)
{
    QStringList found;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(patterns, QDir::System | QDir::Files))
        found.append(dir.filePath(name));
    std::sort(found.begin(), found.end(), deviceOrder);
    return found;
}

} // namespace

QString HostProbe::userName() const
{
#ifdef Q_OS_UNIX
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    return qEnvironmentVariable("USER");
}

QStringList HostProbe::sessionGroups() const
{
#ifdef Q_OS_UNIX
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> gids(static_cast<size_t>(std::max(count, 0)));
    const int got = count > 0 ? ::getgroups(count, gids.data()) : 0;
    gids.resize(static_cast<size_t>(std::max(got, 0)));
    gids.push_back(::getegid());
    return groupNames(gids);
#else
    return {};
#endif
}

QStringList HostProbe::accountGroups() const
{
#ifdef Q_OS_UNIX
    const passwd* entry = ::getpwuid(::geteuid());
    if (!entry)
        return {};
    const QByteArray name = entry->pw_name;
    const gid_t primary = entry->pw_gid;
    int count = 32;
    std::vector<gid_t> gids;
    // The first call says how many there are when the guess was short.
    for (int attempt = 0; attempt < 2; ++attempt) {
        gids.resize(static_cast<size_t>(count));
        if (::getgrouplist(name.constData(), primary, gids.data(), &count) >= 0) {
            gids.resize(static_cast<size_t>(count));
            return groupNames(gids);
        }
    }
    return {};
#else
    return {};
#endif
}

QString HostProbe::ownerGroup(const QString& device) const
{
#ifdef Q_OS_UNIX
    struct stat info { };
    if (::stat(QFile::encodeName(device).constData(), &info) == 0)
        return groupName(info.st_gid);
#else
    Q_UNUSED(device)
#endif
    return {};
}

bool HostProbe::packageInstalled(const QString& name) const
{
    QFile file(DpkgStatus);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray wanted = "Package: " + name.toUtf8();
    bool inPackage = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("Package: "))
            inPackage = line == wanted;
        else if (inPackage && line.startsWith("Status: "))
            return line.endsWith(" installed");
    }
    return false;
}

bool HostProbe::processRunning(const QString& name) const
{
    const QDir proc(u"/proc"_qs);
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!pid.front().isDigit())
            continue;
        QFile comm(proc.filePath(pid + u"/comm"_qs));
        if (comm.open(QIODevice::ReadOnly) && QString::fromUtf8(comm.readAll().trimmed()) == name)
            return true;
    }
    return false;
}

QStringList HostProbe::serialDevices() const
{
    return entries(u"/dev"_qs, { u"ttyUSB*"_qs, u"ttyACM*"_qs })
        + entries(u"/dev/serial/by-id"_qs, { u"*"_qs });
}

QMap<QString, QString> HostProbe::adapterNames() const { return QtSerialLine::adapterNames(); }

QString HostProbe::resolved(const QString& device) const
{
    const QString target = QFileInfo(device).canonicalFilePath();
    return target.isEmpty() ? device : target;
}

SerialLine::OpenFailure HostProbe::openFailure(const QString& device) const
{
    if (PortName::ofDevice(device).kind() == PortName::Kind::Serial && !QFileInfo::exists(device))
        return SerialLine::OpenFailure::NoDevice;
    PortLine line;
    if (!line.open(device))
        return line.lastOpenFailure();
    line.close();
    return SerialLine::OpenFailure::None;
}
