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
    QString port; // PortName::text() of --port; null for the configured port
    QString output; // -o; "-" for standard output
    QStringList arguments; // after the command's name
};

struct ParsedCommandLine {
    Invocation invocation;
    QString error; // a usage error when not empty
};

// args without the program's name.
ParsedCommandLine parseCommandLine(const QStringList& args);
