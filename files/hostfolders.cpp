#include "hostfolders.h"

#include "writetarget.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace HostFolders {

bool programFolderTakesConfig(const QString& appPath, const QString& besideProgram)
{
#ifdef Q_OS_WIN
    // Qt reads only the read-only attribute here, not the folder's access
    // rights: a file that can be made there is the only sure sign.
    QTemporaryFile probe(appPath + u"/tz586kv-XXXXXX.tmp"_qs);
    return probe.open() && mayReplace(besideProgram);
#else
    // The owner's write bit decides, not access(): a superuser may write into
    // a read-only folder, yet a read-only folder marks an installed copy.
    // A program under /usr is an installed one even when a superuser runs it.
    const bool installed = appPath.startsWith(u"/usr/"_qs);
    return !installed && mayWriteInto(appPath) && mayReplace(besideProgram);
#endif
}

QString userConfigFolder()
{
#ifdef Q_OS_WIN
    // The roaming application data, where Windows programs keep settings; a
    // test run keeps to the folders QStandardPaths gives it.
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (!roaming.isEmpty() && !QStandardPaths::isTestModeEnabled())
        return QDir::fromNativeSeparators(roaming) + u"/TZ586KV Link"_qs;
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace HostFolders
