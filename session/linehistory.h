#pragma once

#include <QString>

class PortName;

// Where the settings history of the controller behind port is kept: the
// demo controller's apart from a real one's, so that neither mixes with the
// other. root: where a real controller's goes; unset, the user's data folder.
QString historyRootFor(const PortName& port, const QString& root = QString());
