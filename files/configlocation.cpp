#include "configlocation.h"

#include "writetarget.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace ConfigLocation {

QString choose(const QString& appPath, const QString& fileName)
{
    // The owner's write bit decides, not access(): a superuser may write into
    // a read-only folder, yet a read-only folder marks an installed copy.
    const QFileInfo folder(appPath);
    const QString besideProgram = appPath + u'/' + fileName;
    // A program under /usr is an installed one even when a superuser runs it.
    const bool installed = appPath.startsWith(u"/usr/"_qs);
    const bool folderTakesWrites = !installed && folder.isDir() && folder.isWritable()
        && (folder.permissions() & QFileDevice::WriteOwner);
    if (folderTakesWrites && mayReplace(besideProgram))
        return besideProgram;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + fileName;
}

} // namespace ConfigLocation
