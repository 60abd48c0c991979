#include "commandline.h"

#include "commandhelp.h"
#include "demoline.h"
#include "portreport.h"

namespace {

struct Parser {
    Invocation inv;
    QList<std::pair<unsigned, QString>> extras; // CommandOption bits seen, with their names
    QStringList positional;
    QString error;

    void option(const QString& arg, const QStringList& args, qsizetype& i);
    void flag(bool& target, unsigned bit, const QString& name, bool hasValue);
    void check();
};

bool validPort(const QString& port)
{
    if (port.contains(u'/') || DemoLine::isDemoDevice(port))
        return true;
    bool ok = false;
    const int number = port.toInt(&ok);
    return ok && number >= PortReport::FirstPort && number <= PortReport::LastPort;
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
        error = name + u" takes no value"_qs;
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
    const bool isPort = name == u"--port"_qs;
    if (!isPort && name != u"-o"_qs && name != u"--output"_qs) {
        error = u"unknown option "_qs + name;
        return;
    }
    if (!hasValue) {
        if (i + 1 >= args.size()) {
            error = name + u" needs a value"_qs;
            return;
        }
        value = args[++i];
    }
    if (isPort) {
        inv.port = value;
    } else {
        inv.output = value;
        extras.append({ OptOutput, name });
    }
}

void Parser::check()
{
    if (positional.isEmpty()) {
        if (!inv.help && !inv.version && error.isEmpty())
            error = u"no command given"_qs;
        return;
    }
    const QString name = positional.takeFirst();
    const CommandInfo* info = findCommand(name);
    if (!info) {
        error = u"unknown command "_qs + name;
        return;
    }
    inv.command = info->command;
    inv.arguments = positional;
    if (!error.isEmpty() || inv.help)
        return;
    for (const auto& [bit, option] : extras) {
        if ((info->options & bit) == 0) {
            error = option + u" does not go with "_qs + name;
            return;
        }
    }
    const qsizetype count = positional.size();
    if (count < info->minArguments)
        error = name + u" needs "_qs + required(*info);
    else if (info->maxArguments >= 0 && count > info->maxArguments)
        error = u"too many arguments for "_qs + name;
    else if (!inv.port.isNull() && !validPort(inv.port))
        error = u"--port takes a port number 1-16, a device path, demo or tcp://HOST:PORT, not "_qs
            + inv.port;
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
