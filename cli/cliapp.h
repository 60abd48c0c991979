#pragma once

#include <QString>
#include <QStringList>

// The whole command-line program: args without the program's name;
// programDir decides where the configuration file is, as for the window.
// Returns the exit code.
int runCli(const QStringList& args, const QString& programDir);
