#pragma once

#include "phrase.h"

#include <QString>

// The parts of the doctor's findings that name the system's own tools.
namespace HostTexts {

Phrase noAdapterLine();
Phrase noAdapterFix();
Phrase inUseFix(const QString& device);
Phrase portFailsFix();

} // namespace HostTexts
