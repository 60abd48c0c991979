#pragma once

#include <QString>

// Where a program keeps its configuration file: beside the program while its
// folder takes writes (a portable copy), otherwise in the user's
// configuration folder. The window and the command-line program share it.
namespace ConfigLocation {

inline constexpr char16_t FileName[] = u"TZ586KV Link.ini";

QString choose(const QString& appPath, const QString& fileName);

} // namespace ConfigLocation
