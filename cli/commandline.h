#pragma once

#include <QString>
#include <QStringList>

enum class CliCommand {
    None,
    Ports,
    Read,
    Write,
    Set,
    Defaults,
    Log,
    ClearLog,
    Diff,
    Doctor,
    History
};

// Options beyond --port, --json and --help that a command takes.
enum CommandOption : unsigned {
    OptAll = 1, // --all
    OptOutput = 2, // -o FILE
    OptDryRun = 4, // --dry-run
    OptForce = 8, // --force
};

// One command line, checked.
struct Invocation {
    CliCommand command = CliCommand::None;
    bool help = false;
    bool version = false;
    bool json = false;
    bool all = false;
    bool dryRun = false;
    bool force = false;
    bool quiet = false;
    QString port; // as given; empty for the configured port
    QString output; // -o; "-" for standard output
    QStringList arguments; // after the command's name
};

struct ParsedCommandLine {
    Invocation invocation;
    QString error; // a usage error when not empty
};

// args without the program's name.
ParsedCommandLine parseCommandLine(const QStringList& args);

// --port as CliConfig takes it: "3" for 3, com3 or COM3, an absolute path for
// a path relative to the current folder, demo and tcp://HOST:PORT as they are;
// empty when it names no port.
QString normalizedPort(const QString& port);
