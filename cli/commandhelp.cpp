#include "commandhelp.h"

#include "exitcode.h"

#include <array>

namespace {

const std::array<CommandInfo, 10> Commands { {
    { CliCommand::Ports, u"ports", OptAll, 0, 0, u"ports [--all]",
        u"list Com1..Com16, their devices and whether each opens",
        u"Lists the port numbers Com1 to Com16 with the device behind each (the\n"
        u"[Ports] section of the configuration file applied) and whether it opens,\n"
        u"or why not: absent, permission denied (with the group to join), in use.",
        u"  --all              also list serial devices that no port number names\n",
        u"tz586kv ports --all" },
    { CliCommand::Read, u"read", OptOutput, 0, 0, u"read [-o FILE.set]",
        u"read the settings from the controller",
        u"Reads the controller's settings and prints every parameter with its\n"
        u"caption, value, unit, range and whether it is in range, the modes, the\n"
        u"model and the ROM version.",
        u"  -o FILE, -oFILE, --output=FILE\n"
        u"                     also save the settings as a setting file (the 64\n"
        u"                     characters as read); -o - writes it to standard output\n"
        u"                     instead of the table\n",
        u"tz586kv read --port COM1 -o bench.set" },
    { CliCommand::Write, u"write", OptDryRun | OptForce, 1, 1,
        u"write FILE.set [--dry-run] [--force]",
        u"write a setting file to the controller and verify it",
        u"Reads the controller, shows what will change (caption: old -> new),\n"
        u"refuses a value out of range before anything is sent, writes the file's\n"
        u"settings, reads them back and names the values that differ when the\n"
        u"verify fails. Values the file does not change are written back exactly\n"
        u"as read. When the controller already holds the file's values nothing is\n"
        u"written: \"Nothing to write: the controller already holds these values.\"",
        u"  --dry-run          stop after showing the changes; only the read is sent\n"
        u"  --force            write and verify even when nothing changes\n",
        u"tz586kv write bench.set --dry-run" },
    { CliCommand::Set, u"set", OptDryRun | OptForce, 1, -1,
        u"set NAME=VALUE... [--dry-run] [--force]", u"change named settings in the controller",
        u"Reads the controller, changes the named settings by the window's rules (a\n"
        u"current limit snaps to tens; Reverse Cancel and Robot Mode exclude each\n"
        u"other), shows what will change, writes and verifies. A NAME is a\n"
        u"parameter's caption or its key (tz586kv read lists both), for example\n"
        u"deadband, cutoff or limiter=off; a mode takes on or off. A name given\n"
        u"twice, or values that contradict each other, are refused. Every value not\n"
        u"named is written back exactly as read.",
        u"  --dry-run          stop after showing the changes; only the read is sent\n"
        u"  --force            write and verify even when nothing changes\n",
        u"tz586kv set deadband=6 cutoff=3.3 robot-mode=on" },
    { CliCommand::Defaults, u"defaults", 0, 0, 0, u"defaults",
        u"restore the controller's default settings and show them",
        u"Makes the controller restore its default settings, as Default Write in the\n"
        u"window does, then reads and prints them. It takes about 22 s: on a\n"
        u"terminal each step shows how long it may wait (\"ae: up to 12 s\").",
        u"", u"tz586kv defaults --json" },
    { CliCommand::Log, u"log", OptOutput, 0, 0, u"log [-o FILE.csv]", u"fetch the run log",
        u"Fetches the controller's run log (about 2.4 s; a progress line on a\n"
        u"terminal) and prints a summary: the samples present, the lowest and\n"
        u"highest voltage, the highest current, and when each was.",
        u"  -o FILE, -oFILE, --output=FILE\n"
        u"                     also save the log as CSV, as the window does; -o -\n"
        u"                     writes the CSV to standard output instead of the summary\n",
        u"tz586kv log -o run.csv" },
    { CliCommand::ClearLog, u"clear-log", 0, 0, 0, u"clear-log",
        u"clear the run log in the controller",
        u"Reads the settings, as the window does first, then clears the run log.", u"",
        u"tz586kv clear-log --port /dev/ttyUSB0" },
    { CliCommand::Diff, u"diff", 0, 2, 2, u"diff A B", u"show the settings that differ",
        u"Prints the parameters and modes that differ between A and B, each a\n"
        u"setting file or the word controller. Exits 0 when they are the same, 1\n"
        u"when they differ, 2 and above for trouble, as diff and cmp do.",
        u"", u"tz586kv diff bench.set controller" },
    { CliCommand::History, u"history", OptDryRun | OptForce, 0, 3,
        u"history [show ID | diff ID [ID|controller|FILE] | restore ID]",
        u"the settings kept from reads and writes",
        u"Lists the setting images kept from every read and write of the controller,\n"
        u"newest first, in local time, with the port each came from. ID is the\n"
        u"entry's name (2026-12-07_14-03-22Z_read; a unique beginning will do);\n"
        u"it never changes. show ID prints the entry; diff lists what changes from\n"
        u"the other side (the entry before it, another entry, a setting file or the\n"
        u"controller) to the entry, exiting as diff does; restore writes it to the\n"
        u"controller as write does (changes, write, verify). Only controller and\n"
        u"restore touch the port.",
        u"  --dry-run, --force with restore, as for write\n",
        u"tz586kv history diff 2026-12-07_14-03-22Z_read controller" },
    { CliCommand::Doctor, u"doctor", 0, 0, 0, u"doctor",
        u"find what stops the serial port from working",
        u"Checks what stops a serial port from working on this machine: your groups,\n"
        u"brltty, ModemManager, the adapter, the chosen port, and whether the\n"
        u"controller answers; for a network port, whether its host name resolves,\n"
        u"the connection opens and the controller answers. Each finding is one\n"
        u"line with its fix. Exits 0 only when nothing is wrong.",
        u"", u"tz586kv doctor" },
} };

const QString CommonOptions = QStringLiteral(
    "  --port P           3, Com3 or COM3 (1-256), a device path, demo (the\n"
    "                     demo controller) or tcp://HOST:PORT (a serial bridge;\n"
    "                     default: the configured port)\n"
    "  --json             one JSON document on standard output, also on\n"
    "                     failure: {\"error\": {\"kind\", \"message\", \"exit\"}}\n"
    "  -q, --quiet        print nothing but errors\n"
    "  --help             this help (or: tz586kv help COMMAND)\n");

QString exitCodeLines()
{
    QString text = u"Exit codes:\n"_qs;
    for (const ExitCodeInfo& info : ExitCodes)
        text += u"  %1%2\n"_qs.arg(int(info.code), -5).arg(QStringView(info.help));
    return text;
}

} // namespace

const CommandInfo* findCommand(QStringView name)
{
    for (const CommandInfo& info : Commands) {
        if (name == QStringView(info.name))
            return &info;
    }
    return nullptr;
}

QStringList commandNames()
{
    QStringList names { u"help"_qs };
    for (const CommandInfo& info : Commands)
        names.append(QString::fromUtf16(info.name));
    return names;
}

const CommandInfo& commandInfo(CliCommand command)
{
    for (const CommandInfo& info : Commands) {
        if (info.command == command)
            return info;
    }
    return Commands.front();
}

QString programHelp()
{
    QString text = u"Usage: tz586kv COMMAND [OPTIONS]\n\n"
                   u"Reads, writes and checks the settings and the run log of a TZ586KV\n"
                   u"controller with the same operations as TZ586KV Link.\n\nCommands:\n"_qs;
    for (const CommandInfo& info : Commands)
        text += u"  %1%2\n"_qs.arg(QString::fromUtf16(info.name), -11)
                    .arg(QString::fromUtf16(info.summary));
    text += u"\nOptions of every command:\n"_qs + CommonOptions
        + u"  --version          the program's version\n\n"_qs + exitCodeLines()
        + u"\nValues that a write does not change are written back exactly as read.\n"
          u"\nExample:\n  tz586kv read --port 1 -o bench.set\n\n"
          u"tz586kv help COMMAND (or COMMAND --help) tells more about a command.\n"_qs;
    return text;
}

QString commandHelp(CliCommand command)
{
    const CommandInfo& info = commandInfo(command);
    return u"Usage: tz586kv %1 [--port P] [--json] [--quiet]\n\n%2\n\nOptions:\n%3%4\n%5\nExample:\n  %6\n"_qs
        .arg(QString::fromUtf16(info.synopsis), QString::fromUtf16(info.description),
            QString::fromUtf16(info.optionLines), CommonOptions, exitCodeLines(),
            QString::fromUtf16(info.example));
}

QString helpHint(CliCommand command)
{
    if (command == CliCommand::None)
        return u"Try 'tz586kv --help'."_qs;
    return u"Try 'tz586kv %1 --help'."_qs.arg(QString::fromUtf16(commandInfo(command).name));
}
