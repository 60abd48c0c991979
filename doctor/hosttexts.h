#pragma once

#include <QString>

// The parts of the doctor's findings that name the system's own tools.
namespace HostTexts {

QString noAdapterLine();
QString noAdapterFix();
QString inUseFix(const QString& device);
QString portFailsFix();

} // namespace HostTexts
