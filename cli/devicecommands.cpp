#include "devicecommands.h"

#include "clicontext.h"
#include "controllerquestion.h"
#include "devicesession.h"
#include "interrupts.h"
#include "logsummary.h"
#include "numbertext.h"
#include "outcometext.h"
#include "settingchanges.h"
#include "settinginput.h"
#include "settingsreport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>
#include <utility>

namespace DeviceCommands {

namespace {

    struct Text {
        Q_DECLARE_TR_FUNCTIONS(DeviceCommands)
    };

    // "br", 512 samples of four characters, CR.
    constexpr qsizetype LogReplyLength = 2 + 512 * 4 + 1;

    using Edit = std::function<void(SettingValues&)>;

    // Every document of a command that used the port names it, with the
    // keys of ports and doctor.
    QJsonObject withPort(const CliContext& context, QJsonObject document)
    {
        const PortName port = context.port();
        document.insert(u"port"_qs, port.number() ? QJsonValue(port.number()) : QJsonValue());
        document.insert(u"device"_qs, port.device());
        return document;
    }

    // The document of a command that used the port; a failure's, as the
    // other refusals, with its error.
    void printDocument(CliContext& context, QJsonObject document, ExitCode code)
    {
        if (code != ExitCode::Done)
            document.insert(u"error"_qs, context.console.errorJson(int(code)));
        context.console.json(withPort(context, document));
    }

    void printSettings(
        CliContext& context, const SettingValues& values, ExitCode code = ExitCode::Done)
    {
        if (context.invocation.json)
            printDocument(context, settingsJson(values), code);
        else
            context.console.out(settingsTable(values));
    }

    // The window's Read: Done when the session's values show the controller's.
    ExitCode readInto(DeviceSession& session)
    {
        ExitCode code = session.open();
        if (code == ExitCode::Done)
            code = session.run(Command::Read);
        return code;
    }

    // What the window's Save writes: refused, as there, when a value is invalid.
    ExitCode saveShown(CliContext& context, DeviceSession& session)
    {
        const QString& path = context.invocation.output;
        const ChangeEngine::Plan plan = ChangeEngine::plan(session.values());
        if (plan.status != ChangeEngine::Status::Ok) {
            context.console.setErrorKind(OutOfRange);
            context.console.error([&] {
                return Text::tr("%1 %2; %3 is not written")
                    .arg(outcomeText(Outcome::DataAbnormal), session.invalidValueText(), path);
            });
            return ExitCode::Refused;
        }
        if (Interrupts::caught())
            return ExitCode::Interrupted;
        return saveSettingFile(context.console, path, plan.image);
    }

    void sayDifferences(
        Console& console, const SettingChanges& differences, const QString& readBack)
    {
        for (const ChangeEngine::Change& d : differences) {
            console.note([&d] {
                return Text::tr("  %1: written %2, read back %3")
                    .arg(ChangeEngine::captionText(d), d.from.withUnit(d.unit),
                        d.to.withUnit(d.unit));
            });
        }
        if (differences.isEmpty() && !readBack.isEmpty())
            console.note(
                [&readBack] { return Text::tr("  the controller holds %1").arg(readBack); });
    }

    // The window's Write with its verify; document: the JSON so far.
    ExitCode writeAndVerify(
        CliContext& context, DeviceSession& session, const QString& written, QJsonObject document)
    {
        QString readBack; // the verify's read, when it came
        QObject::connect(&session.operations(), &DeviceOperations::imageRead, &session,
            [&readBack](const QString& image) { readBack = image; });
        const ExitCode code = session.run(Command::Write);
        if (code == ExitCode::Interrupted)
            return code;
        SettingChanges differences;
        if (code == ExitCode::Refused) {
            differences = ChangeEngine::compare(written, readBack);
            sayDifferences(context.console, differences, readBack);
        }
        if (context.invocation.json) {
            document.insert(u"verified"_qs, code == ExitCode::Done);
            document.insert(u"differences"_qs, changesJson(differences));
            printDocument(context, document, code);
        } else if (code == ExitCode::Done) {
            context.console.out(Text::tr("Written and verified.\n"));
        }
        return code;
    }

    // Read, edit as the window's boxes would be edited, show the changes,
    // then write.
    ExitCode writeEdited(CliContext& context, const Edit& edit)
    {
        DeviceSession session(context);
        const ExitCode code = readInto(session);
        if (code != ExitCode::Done)
            return code;
        edit(session.values());
        const ChangeEngine::Plan plan = ChangeEngine::plan(session.values());
        if (plan.status != ChangeEngine::Status::Ok) {
            context.console.setErrorKind(OutOfRange);
            context.console.error([&session] {
                return outcomeText(Outcome::DataAbnormal) + u' ' + session.invalidValueText();
            });
            return ExitCode::Refused;
        }
        const SettingChanges& changes = plan.changes;
        for (const ChangeEngine::Change& k : plan.kept)
            context.console.info([&k] {
                return Text::tr("%1: kept at %2 as the controller holds it (given %3; this "
                                "program does not write it)")
                    .arg(ChangeEngine::captionText(k), k.from.withUnit(k.unit),
                        k.to.withUnit(k.unit));
            });
        const bool dryRun = context.invocation.dryRun;
        // With nothing to change no "sw" goes out, unless forced.
        const bool writing = !dryRun && (!changes.isEmpty() || context.invocation.force);
        QJsonObject document { { u"changes"_qs, changesJson(changes) }, { u"dryRun"_qs, dryRun },
            { u"written"_qs, writing } };
        if (!context.invocation.json)
            context.console.out(!changes.isEmpty() ? changesText(changes)
                    : writing ? Text::tr("No changes; written all the same (--force).\n")
                              : Text::tr("Nothing to write: the controller already holds these "
                                         "values.\n"));
        if (writing)
            return writeAndVerify(context, session, plan.image, document);
        if (context.invocation.json)
            context.console.json(withPort(context, document));
        return ExitCode::Done;
    }

    void apply(SettingValues& values, const Assignment& a)
    {
        switch (a.kind) {
        case Assignment::Kind::LimiterOff:
            values.setLimiterOff(true);
            break;
        case Assignment::Kind::Mode:
            values.setMode(modeAt(a.index), a.on);
            break;
        case Assignment::Kind::Parameter:
            // A value for the limiter switches it on, as typing into its box would.
            if (parameterAt(a.index) == Parameter::CurrentLimit)
                values.setLimiterOff(false);
            values.setText(parameterAt(a.index), NumberText::shortest(float(a.value)));
            break;
        }
    }

} // namespace

ExitCode read(CliContext& context)
{
    DeviceSession session(context);
    ExitCode code = readInto(session);
    if (code != ExitCode::Done)
        return code;
    const QString& output = context.invocation.output;
    // Saved first: a refusal belongs in the document.
    if (!output.isEmpty())
        code = saveShown(context, session);
    // With -o - the file is the output.
    if (output != u"-"_qs && code != ExitCode::Interrupted)
        printSettings(context, session.values(), code);
    return code;
}

ExitCode write(CliContext& context, const QString& image)
{
    return writeEdited(context, [&image](SettingValues& values) { values.show(image); });
}

ExitCode set(CliContext& context, const QList<Assignment>& assignments)
{
    return writeEdited(context, [&assignments](SettingValues& values) {
        for (const Assignment& a : assignments)
            apply(values, a);
    });
}

ExitCode defaults(CliContext& context)
{
    DeviceSession session(context);
    ExitCode code = session.open();
    if (code == ExitCode::Done)
        code = session.run(Command::DefaultWrite);
    if (code == ExitCode::Done)
        printSettings(context, session.values());
    return code;
}

ExitCode log(CliContext& context)
{
    DeviceSession session(context);
    ExitCode code = session.open();
    if (code != ExitCode::Done)
        return code;
    Console& console = context.console;
    qsizetype shown = -1;
    session.line().setOnReceived([&console, &shown](qsizetype received) {
        // Characters come one by one: a line only when the figure changes.
        const qsizetype percent = std::min<qsizetype>(100, received * 100 / LogReplyLength);
        if (percent != std::exchange(shown, percent))
            console.progress([percent] { return Text::tr("Fetching the log: %1%").arg(percent); });
    });
    code = session.run(Command::Get);
    session.line().setOnReceived({});
    console.endProgress();
    if (code != ExitCode::Done)
        return code;
    const QString& output = context.invocation.output;
    // Saved first: a failure belongs in the document.
    if (!output.isEmpty())
        code = Interrupts::caught() ? ExitCode::Interrupted
                                    : saveLogFile(console, output, session.store());
    if (code == ExitCode::Interrupted)
        return code;
    const LogSummary summary = summarize(session.store());
    if (context.invocation.json)
        printDocument(context, summaryJson(summary), code);
    else if (output != u"-"_qs)
        console.out(summaryText(summary));
    return code;
}

ExitCode clearLog(CliContext& context)
{
    DeviceSession session(context);
    ExitCode code = session.open();
    if (code == ExitCode::Done)
        code = session.run(Command::Clear);
    if (code != ExitCode::Done)
        return code;
    if (context.invocation.json)
        context.console.json(withPort(context, { { u"cleared"_qs, true } }));
    else
        context.console.out(Text::tr("The log is cleared.\n"));
    return code;
}

ExitCode readController(CliContext& context, QString& image)
{
    DeviceSession session(context);
    const ExitCode code = readInto(session);
    image = session.values().shownImage().toUpper();
    return code;
}

Doctor::ControllerCheck controllerCheck(CliContext& context)
{
    return [&context](const QString& device) {
        PortLine line;
        ControllerQuestion question(line);
        context.interrupts.setAbortHook([&question] { question.stop(); });
        const Doctor::ControllerAnswer answer = question.ask(device);
        context.interrupts.setAbortHook({});
        return answer;
    };
}

} // namespace DeviceCommands
