#include "commands.h"

#include "clicontext.h"
#include "devicecommands.h"
#include "interrupts.h"
#include "portreport.h"
#include "settingchanges.h"
#include "settinginput.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>

namespace Commands {

namespace {

    struct Text {
        Q_DECLARE_TR_FUNCTIONS(Commands)
    };

    const QString ControllerWord = QStringLiteral("controller");

    QString statusText(const PortReport::Entry& e)
    {
        QString text = PortReport::stateText(e.state);
        if (e.state == PortReport::State::PermissionDenied && !e.group.isEmpty())
            text = Text::tr("permission denied: join group %1").arg(e.group);
        if (e.sameAs != 0)
            text += u" (%1)"_qs.arg(PortName::numberLabel(e.sameAs));
        return text;
    }

    QJsonObject portJson(const PortReport::Entry& e)
    {
        QJsonObject entry { { u"port"_qs, e.portNo ? QJsonValue(e.portNo) : QJsonValue() },
            { u"device"_qs, e.device }, { u"status"_qs, PortReport::stateName(e.state) } };
        if (e.state == PortReport::State::PermissionDenied)
            entry.insert(u"group"_qs, e.group);
        if (e.portNo == 0)
            entry.insert(u"sameAs"_qs, e.sameAs ? QJsonValue(e.sameAs) : QJsonValue());
        entry.insert(u"adapter"_qs, e.adapter.isEmpty() ? QJsonValue() : QJsonValue(e.adapter));
        return entry;
    }

    QString severityName(Doctor::Severity s)
    {
        return s == Doctor::Severity::Problem ? u"problem"_qs : u"warning"_qs;
    }

    ExitCode doctorExit(const QList<Doctor::Finding>& findings)
    {
        if (findings.isEmpty())
            return ExitCode::Done;
        const bool onlySilent = std::all_of(findings.cbegin(), findings.cend(),
            [](const Doctor::Finding& f) { return f.check == Doctor::Check::Silent; });
        return onlySilent ? ExitCode::NoAnswer : ExitCode::PortUnavailable;
    }

} // namespace

ExitCode ports(CliContext& context)
{
    QList<PortReport::Entry> report = PortReport::build(
        context.probe, [&](int p) { return context.config.deviceOf(p); }, context.invocation.all);
    // Always there, needing no device: --port demo.
    report.append({ 0, PortName::demo().device(), PortReport::State::Opens, {}, 0, {} });
    if (context.invocation.json) {
        QJsonArray entries;
        for (const PortReport::Entry& e : report)
            entries.append(portJson(e));
        context.console.json({ { u"ports"_qs, entries } });
        return ExitCode::Done;
    }
    QList<QStringList> rows { { Text::tr("Port"), Text::tr("Device"), Text::tr("Status"),
        Text::tr("Adapter") } };
    for (const PortReport::Entry& e : report)
        rows.append({ e.portNo ? PortName::numberLabel(e.portNo) : u"-"_qs, e.device, statusText(e),
            e.adapter });
    context.console.out(columns(rows));
    return ExitCode::Done;
}

ExitCode doctor(CliContext& context)
{
    const PortName port = context.port();
    // With --json the findings come in English (SourceLanguage).
    const QList<Doctor::Finding> findings
        = Doctor::diagnose(context.probe, port, DeviceCommands::controllerCheck(context));
    // A question cut short by Ctrl-C proves nothing.
    if (Interrupts::caught())
        return ExitCode::Interrupted;
    if (context.invocation.json) {
        QJsonArray list;
        for (const Doctor::Finding& f : findings) {
            list.append(QJsonObject { { u"check"_qs, Doctor::checkName(f.check) },
                { u"severity"_qs, severityName(f.severity) }, { u"text"_qs, f.line.source },
                { u"fix"_qs, f.fix.source } });
        }
        context.console.json(
            { { u"port"_qs, port.number() ? QJsonValue(port.number()) : QJsonValue() },
                { u"device"_qs, port.device() }, { u"findings"_qs, list } });
    } else if (findings.isEmpty()) {
        context.console.out(Text::tr("No problems found.\n"));
    } else {
        for (const Doctor::Finding& f : findings) {
            const QString line = f.severity == Doctor::Severity::Problem
                ? Text::tr("problem: %1 Fix: %2\n")
                : Text::tr("warning: %1 Fix: %2\n");
            context.console.out(line.arg(f.line.text, f.fix.text));
        }
    }
    return doctorExit(findings);
}

ExitCode diff(CliContext& context)
{
    const QStringList& args = context.invocation.arguments;
    QString images[2];
    // Files first: a bad one is refused before the port is touched.
    for (int i = 0; i < 2; ++i) {
        if (args[i] == ControllerWord)
            continue;
        const SettingInput input = readSettingFile(args[i]);
        if (input.code != ExitCode::Done) {
            context.console.error(input.message);
            return input.code;
        }
        images[i] = input.image;
    }
    for (int i = 0; i < 2; ++i) {
        if (args[i] != ControllerWord)
            continue;
        if (i == 1 && args[0] == ControllerWord) {
            images[1] = images[0];
            continue;
        }
        const ExitCode code = DeviceCommands::readController(context, images[i]);
        if (code != ExitCode::Done)
            return code;
    }
    return printComparison(context, args[0], images[0], args[1], images[1]);
}

ExitCode printComparison(CliContext& context, const QString& nameA, const QString& imageA,
    const QString& nameB, const QString& imageB)
{
    const SettingChanges changes = ChangeEngine::compare(imageA, imageB);
    if (context.invocation.json)
        context.console.json(
            { { u"a"_qs, nameA }, { u"b"_qs, nameB }, { u"changes"_qs, changesJson(changes) } });
    else
        context.console.out(
            changes.isEmpty() ? Text::tr("The settings are the same.\n") : changesText(changes));
    return changes.isEmpty() ? ExitCode::Done : ExitCode::Differ;
}

ExitCode write(CliContext& context)
{
    const SettingInput input = readSettingFile(context.invocation.arguments.front());
    if (input.code != ExitCode::Done) {
        context.console.error(input.message);
        return input.code;
    }
    if (!input.problems.isEmpty()) {
        context.console.setErrorKind(OutOfRange);
        for (const ValueProblem& problem : input.problems)
            context.console.error([&problem] { return problem.text(TextStyle::Script); });
        return ExitCode::FileTrouble;
    }
    return DeviceCommands::write(context, input.image);
}

ExitCode set(CliContext& context)
{
    const QStringList& args = context.invocation.arguments;
    const ParsedAssignments parsed = parseAssignments(args);
    if (!parsed.error.isEmpty()) {
        if (parsed.outOfRange)
            context.console.setErrorKind(OutOfRange);
        context.console.error([&args] { return parseAssignments(args).error; });
        return ExitCode::Usage;
    }
    return DeviceCommands::set(context, parsed.assignments);
}

} // namespace Commands
