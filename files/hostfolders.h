#pragma once

#include <QString>

// Where this system keeps a user's configuration.
namespace HostFolders {

// True when the program's own folder may hold its configuration file: a
// portable copy, not an installed one.
bool programFolderTakesConfig(const QString& appPath, const QString& besideProgram);

// The user's folder for the configuration file otherwise.
QString userConfigFolder();

} // namespace HostFolders
