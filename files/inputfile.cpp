#include "inputfile.h"

#include <QFileInfo>

InputFileKind inputFileKind(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return InputFileKind::Regular;
    if (info.isDir())
        return InputFileKind::Folder;
    return info.exists() ? InputFileKind::Other : InputFileKind::Missing;
}
