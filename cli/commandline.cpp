#include "commandline.h"

#include "commandhelp.h"
#include "portname.h"

#include <QCoreApplication>

namespace {

struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

struct Parser {
    Invocation inv;
    QList<std::pair<unsigned, QString>> extras; // CommandOption bits seen, with their names
    QStringList positional;
    QString error;

    void option(const QString& arg, const QStringList& args, qsizetype& i);
    void flag(bool& target, unsigned bit, const QString& name, bool hasValue);
    void check();
    void checkPort();
};

// Edits that turn a into b, for the nearest command to a misspelt one.
qsizetype distance(QStringView a, QStringView b)
{
    QList<qsizetype> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[j];
            row[j] = std::min({ above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1]) });
            diagonal = above;
        }
    }
    return row[b.size()];
}

QString unknownCommand(const QString& name)
{
    QString nearest;
    qsizetype best = 3; // farther is no suggestion
    for (const QString& known : commandNames()) {
        // A beginning ("hist") counts as near.
        const qsizetype d = known.startsWith(name.toLower()) ? 1 : distance(name.toLower(), known);
        if (d < best) {
            best = d;
            nearest = known;
        }
    }
    if (nearest.isEmpty())
        return CommandLineText::tr("unknown command %1").arg(name);
    return CommandLineText::tr("unknown command %1; did you mean '%2'?").arg(name, nearest);
}

QString needsFileName(const QString& option)
{
    return CommandLineText::tr("%1 needs a file name, or - for standard output").arg(option);
}

// "FILE.set" of "write FILE.set [--dry-run]".
QString required(const CommandInfo& info)
{
    QStringList words = QString::fromUtf16(info.synopsis).split(u' ');
    words.removeFirst();
    words.removeIf([](const QString& w) { return w.startsWith(u'['); });
    return words.join(u' ');
}

void Parser::flag(bool& target, unsigned bit, const QString& name, bool hasValue)
{
    if (hasValue)
        error = CommandLineText::tr("%1 takes no value").arg(name);
    target = true;
    if (bit != 0)
        extras.append({ bit, name });
}

void Parser::option(const QString& arg, const QStringList& args, qsizetype& i)
{
    QString name = arg;
    QString value;
    const qsizetype equals = arg.indexOf(u'=');
    const bool hasValue = arg.startsWith(u"--"_qs) && equals > 0;
    if (hasValue) {
        name = arg.left(equals);
        value = arg.mid(equals + 1);
    }
    if (name == u"--help"_qs || name == u"-h"_qs)
        return flag(inv.help, 0, name, hasValue);
    if (name == u"--version"_qs)
        return flag(inv.version, 0, name, hasValue);
    if (name == u"--json"_qs)
        return flag(inv.json, 0, name, hasValue);
    if (name == u"--all"_qs)
        return flag(inv.all, OptAll, name, hasValue);
    if (name == u"--dry-run"_qs)
        return flag(inv.dryRun, OptDryRun, name, hasValue);
    if (name == u"--force"_qs)
        return flag(inv.force, OptForce, name, hasValue);
    if (name == u"--quiet"_qs || name == u"-q"_qs)
        return flag(inv.quiet, 0, name, hasValue);
    if (name.startsWith(u"-o"_qs) && name.size() > 2) { // -oFILE, or -o=FILE as --output=FILE
        inv.output = name.mid(name[2] == u'=' ? 3 : 2);
        if (inv.output.isEmpty())
            error = needsFileName(u"-o"_qs);
        extras.append({ OptOutput, u"-o"_qs });
        return;
    }
    const bool isPort = name == u"--port"_qs;
    if (!isPort && name != u"-o"_qs && name != u"--output"_qs) {
        error = CommandLineText::tr("unknown option %1").arg(name);
        return;
    }
    if (!hasValue) {
        if (i + 1 >= args.size()) {
            error = CommandLineText::tr("%1 needs a value").arg(name);
            return;
        }
        value = args[++i];
    }
    if (isPort) {
        inv.port = value;
    } else if (value.isEmpty()) {
        error = needsFileName(name);
    } else {
        inv.output = value;
        extras.append({ OptOutput, name });
    }
}

void Parser::check()
{
    if (positional.isEmpty()) {
        if (!inv.help && !inv.version && error.isEmpty())
            error = CommandLineText::tr("no command given");
        return;
    }
    QString name = positional.takeFirst();
    // "help CMD" is "CMD --help".
    if (name == u"help"_qs) {
        inv.help = true;
        if (positional.isEmpty())
            return;
        name = positional.takeFirst();
    }
    const CommandInfo* info = findCommand(name);
    if (!info) {
        error = unknownCommand(name);
        return;
    }
    inv.command = info->command;
    inv.arguments = positional;
    if (!error.isEmpty() || inv.help)
        return;
    for (const auto& [bit, option] : extras) {
        if ((info->options & bit) == 0) {
            error = CommandLineText::tr("%1 does not go with %2").arg(option, name);
            return;
        }
    }
    const qsizetype count = positional.size();
    if (count < info->minArguments)
        error = CommandLineText::tr("%1 needs %2").arg(name, required(*info));
    else if (info->maxArguments >= 0 && count > info->maxArguments)
        error = CommandLineText::tr("too many arguments for %1").arg(name);
    else if (inv.output == u"-"_qs && inv.json)
        error = CommandLineText::tr("-o - and --json both write to standard output");
    else if (!inv.port.isNull())
        checkPort();
}

// The port's number stands for the device [Ports] names for it, looked up
// when the port is used.
void Parser::checkPort()
{
    const PortName name = PortName::parse(inv.port);
    if (name.isValid())
        inv.port = name.text();
    else
        error = u"--port: "_qs + name.error();
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& args)
{
    Parser parser;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size() && parser.error.isEmpty(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--"_qs && !optionsEnded)
            optionsEnded = true;
        else if (optionsEnded || !arg.startsWith(u'-') || arg == u"-"_qs)
            parser.positional.append(arg);
        else
            parser.option(arg, args, i);
    }
    parser.check();
    return { parser.inv, parser.error };
}
