#pragma once

#include <QString>

// Where the settings history of the controller behind device is kept: the
// demo controller's apart from a real one's, so that neither mixes with the
// other.
QString historyRootFor(const QString& device);
