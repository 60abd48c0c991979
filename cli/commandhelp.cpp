#include "commandhelp.h"

#include "exitcode.h"

#include <QCoreApplication>
#include <array>

namespace {

const std::array<CommandInfo, 10> Commands { {
    { CliCommand::Ports, u"ports", OptAll, 0, 0, u"ports [--all]",
        QT_TRANSLATE_NOOP("CommandHelp", "list Com1..Com16, their devices and whether each opens"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Lists the port numbers Com1 to Com16 with the device behind each (the\n"
            "[Ports] section of the configuration file applied) and whether it opens,\n"
            "or why not: absent, permission denied (with the group to join), in use."),
        QT_TRANSLATE_NOOP("CommandHelp",
            "  --all              also list serial devices that no port number names\n"),
        u"tz586kv ports --all" },
    { CliCommand::Read, u"read", OptOutput, 0, 0, u"read [-o FILE.set]",
        QT_TRANSLATE_NOOP("CommandHelp", "read the settings from the controller"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Reads the controller's settings and prints every parameter with its\n"
            "caption, value, unit, range and whether it is in range, the modes, the\n"
            "model and the ROM version."),
        QT_TRANSLATE_NOOP("CommandHelp",
            "  -o FILE, -oFILE, --output=FILE\n"
            "                     also save the settings as a setting file (the 64\n"
            "                     characters as read); -o - writes it to standard output\n"
            "                     instead of the table\n"),
        u"tz586kv read --port COM1 -o bench.set" },
    { CliCommand::Write, u"write", OptDryRun | OptForce, 1, 1,
        u"write FILE.set [--dry-run] [--force]",
        QT_TRANSLATE_NOOP("CommandHelp", "write a setting file to the controller and verify it"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Reads the controller, shows what will change (caption: old -> new),\n"
            "refuses a value out of range before anything is sent, writes the file's\n"
            "settings, reads them back and names the values that differ when the\n"
            "verify fails. Values the file does not change are written back exactly\n"
            "as read. When the controller already holds the file's values nothing is\n"
            "written: \"Nothing to write: the controller already holds these values.\""),
        QT_TRANSLATE_NOOP("CommandHelp",
            "  --dry-run          stop after showing the changes; only the read is sent\n"
            "  --force            write and verify even when nothing changes\n"),
        u"tz586kv write bench.set --dry-run" },
    { CliCommand::Set, u"set", OptDryRun | OptForce, 1, -1,
        u"set NAME=VALUE... [--dry-run] [--force]",
        QT_TRANSLATE_NOOP("CommandHelp", "change named settings in the controller"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Reads the controller, changes the named settings by the window's rules (a\n"
            "current limit snaps to tens; Reverse Cancel and Robot Mode exclude each\n"
            "other), shows what will change, writes and verifies. A NAME is a\n"
            "parameter's caption or its key (tz586kv read lists both), for example\n"
            "deadband, cutoff or limiter=off; a mode takes on or off. A name given\n"
            "twice, or values that contradict each other, are refused. Every value not\n"
            "named is written back exactly as read."),
        QT_TRANSLATE_NOOP("CommandHelp",
            "  --dry-run          stop after showing the changes; only the read is sent\n"
            "  --force            write and verify even when nothing changes\n"),
        u"tz586kv set deadband=6 cutoff=3.3 robot-mode=on" },
    { CliCommand::Defaults, u"defaults", 0, 0, 0, u"defaults",
        QT_TRANSLATE_NOOP("CommandHelp", "restore the controller's default settings and show them"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Makes the controller restore its default settings, as Default Write in the\n"
            "window does, then reads and prints them. It takes about 22 s: on a\n"
            "terminal each step shows how long it may wait (\"ae: up to 12 s\")."),
        "", u"tz586kv defaults --json" },
    { CliCommand::Log, u"log", OptOutput, 0, 0, u"log [-o FILE.csv]",
        QT_TRANSLATE_NOOP("CommandHelp", "fetch the run log"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Fetches the controller's run log (about 2.4 s; a progress line on a\n"
            "terminal) and prints a summary: the samples present, the lowest and\n"
            "highest voltage, the highest current, and when each was."),
        QT_TRANSLATE_NOOP("CommandHelp",
            "  -o FILE, -oFILE, --output=FILE\n"
            "                     also save the log as CSV, as the window does; -o -\n"
            "                     writes the CSV to standard output instead of the summary\n"),
        u"tz586kv log -o run.csv" },
    { CliCommand::ClearLog, u"clear-log", 0, 0, 0, u"clear-log",
        QT_TRANSLATE_NOOP("CommandHelp", "clear the run log in the controller"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Reads the settings, as the window does first, then clears the run log."),
        "", u"tz586kv clear-log --port /dev/ttyUSB0" },
    { CliCommand::Diff, u"diff", 0, 2, 2, u"diff A B",
        QT_TRANSLATE_NOOP("CommandHelp", "show the settings that differ"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Prints the parameters and modes that differ between A and B, each a\n"
            "setting file or the word controller. Exits 0 when they are the same, 1\n"
            "when they differ, 2 and above for trouble, as diff and cmp do."),
        "", u"tz586kv diff bench.set controller" },
    { CliCommand::History, u"history", OptDryRun | OptForce, 0, 3,
        u"history [show ID | diff ID [ID|controller|FILE] | restore ID]",
        QT_TRANSLATE_NOOP("CommandHelp", "the settings kept from reads and writes"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Lists the setting images kept from every read and write of the controller,\n"
            "newest first, in local time, with the port each came from. ID is the\n"
            "entry's name (2026-12-07_14-03-22Z_read; a unique beginning will do);\n"
            "it never changes. show ID prints the entry; diff lists what changes from\n"
            "the other side (the entry before it, another entry, a setting file or the\n"
            "controller) to the entry, exiting as diff does; restore writes it to the\n"
            "controller as write does (changes, write, verify). Only controller and\n"
            "restore touch the port."),
        QT_TRANSLATE_NOOP("CommandHelp", "  --dry-run, --force with restore, as for write\n"),
        u"tz586kv history diff 2026-12-07_14-03-22Z_read controller" },
    { CliCommand::Doctor, u"doctor", 0, 0, 0, u"doctor",
        QT_TRANSLATE_NOOP("CommandHelp", "find what stops the serial port from working"),
        QT_TRANSLATE_NOOP("CommandHelp",
            "Checks what stops a serial port from working on this machine: your groups,\n"
            "brltty, ModemManager, the adapter, the chosen port, and whether the\n"
            "controller answers; for a network port, whether its host name resolves,\n"
            "the connection opens and the controller answers. Each finding is one\n"
            "line with its fix. Exits 0 only when nothing is wrong."),
        "", u"tz586kv doctor" },
} };

struct CommandHelpText {
    Q_DECLARE_TR_FUNCTIONS(CommandHelp)
};

QString translated(const char* source)
{
    return QCoreApplication::translate("CommandHelp", source);
}

QString commonOptions()
{
    return CommandHelpText::tr(
        "  --port P           3, Com3 or COM3 (1-16), a device path, demo (the\n"
        "                     demo controller) or tcp://HOST:PORT (a serial bridge;\n"
        "                     default: the configured port)\n"
        "  --json             one JSON document on standard output, also on\n"
        "                     failure: {\"error\": {\"kind\", \"message\", \"exit\"}}\n"
        "  -q, --quiet        print nothing but errors\n"
        "  --help             this help (or: tz586kv help COMMAND)\n");
}

QString exitCodeLines()
{
    QString text = CommandHelpText::tr("Exit codes:\n");
    for (const ExitCodeInfo& info : ExitCodes)
        text += u"  %1%2\n"_qs.arg(int(info.code), -5).arg(translated(info.help));
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
    QString text = CommandHelpText::tr(
        "Usage: tz586kv COMMAND [OPTIONS]\n\n"
        "Reads, writes and checks the settings and the run log of a TZ586KV\n"
        "controller with the same operations as TZ586KV Link.\n\nCommands:\n");
    for (const CommandInfo& info : Commands)
        text
            += u"  %1%2\n"_qs.arg(QString::fromUtf16(info.name), -11).arg(translated(info.summary));
    text += CommandHelpText::tr("\nOptions of every command:\n") + commonOptions()
        + CommandHelpText::tr("  --version          the program's version\n\n") + exitCodeLines()
        + CommandHelpText::tr(
            "\nValues that a write does not change are written back exactly as read.\n"
            "\nExample:\n  tz586kv read --port 1 -o bench.set\n\n"
            "tz586kv help COMMAND (or COMMAND --help) tells more about a command.\n");
    return text;
}

QString commandHelp(CliCommand command)
{
    const CommandInfo& info = commandInfo(command);
    return CommandHelpText::tr("Usage: tz586kv %1 [--port P] [--json] [--quiet]\n\n%2\n\n"
                               "Options:\n%3%4\n%5\nExample:\n  %6\n")
        .arg(QString::fromUtf16(info.synopsis), translated(info.description),
            translated(info.optionLines), commonOptions(), exitCodeLines(),
            QString::fromUtf16(info.example));
}

QString helpHint(CliCommand command)
{
    if (command == CliCommand::None)
        return CommandHelpText::tr("Try 'tz586kv --help'.");
    return CommandHelpText::tr("Try 'tz586kv %1 --help'.")
        .arg(QString::fromUtf16(commandInfo(command).name));
}
