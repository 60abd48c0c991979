#include "assignments.h"
#include "commandline.h"
#include "console.h"
#include "devicesession.h"

#include <QTest>

// The command line as parsed, and the exit code and error document a run
// ends with, without running anything.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // "set" rows go on to the assignments.
    void parse_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("error"); // within the usage error; empty: none
        QTest::addColumn<QString>("output");
        const auto row
            = [](const char* name, const QString& args, const QString& error,
                  const QString& output = {}) { QTest::newRow(name) << args << error << output; };
        row("-o FILE", u"read -o =b.set"_qs, {}, u"=b.set"_qs);
        row("-o=FILE", u"read -o=b.set"_qs, {}, u"b.set"_qs);
        row("-oFILE", u"log -ob.csv"_qs, {}, u"b.csv"_qs);
        row("-o=", u"read -o="_qs, u"-o needs a file name"_qs);
        row("--output=", u"read --output="_qs, u"--output needs"_qs);
        row("no command", {}, u"no command given"_qs);
        row("other's option", u"read --all"_qs, u"--all does not go with read"_qs);
        row("port 17", u"ports --port 17"_qs, u"--port: Com17 is outside the port numbers 1-16"_qs);
        row("no file", u"write"_qs, u"write needs FILE.set"_qs);
        row("misspelt", u"reed"_qs, u"unknown command reed; did you mean 'read'?"_qs);
        row("keys and captions", u"set Dead-Band=12 LIMITER=off robot-mode=on"_qs, {});
        row("out of range", u"set deadband=60"_qs, u"Dead Band: 60 is outside 2..50"_qs);
        row("full-width", u"set cutoff=３．５ deadband=１２"_qs, {});
        row("comma", u"set cutoff=３，５"_qs, u"Low Batt. Protection: 3,5 has a comma"_qs);
        row("twice", u"set deadband=6 deadband=7"_qs,
            u"deadband=6 and deadband=7 contradict each other"_qs);
        row("off and a limit", u"set limiter=off limiter=150"_qs, u"contradict each other"_qs);
        row("both modes", u"set reverse-cancel=on robot-mode=on"_qs,
            u"Reverse Cancel and Robot Mode exclude each other"_qs);
        // Values the window never writes.
        for (const char* key : { "neutral", "high-forward", "high-brake", "virgin-bit" })
            row(key, u"set "_qs + QLatin1StringView(key) + u"=1"_qs,
                u"is not written by this program"_qs);
    }
    void parse()
    {
        QFETCH(QString, args);
        QFETCH(QString, error);
        const ParsedCommandLine parsed = parseCommandLine(args.split(u' ', Qt::SkipEmptyParts));
        QTEST(parsed.invocation.output, "output");
        ParsedAssignments set;
        if (parsed.invocation.command == CliCommand::Set)
            set = parseAssignments(parsed.invocation.arguments);
        const QString said = parsed.error + set.error;
        QVERIFY2(error.isEmpty() ? said.isEmpty() : said.contains(error), qPrintable(said));
        QCOMPARE(set.outOfRange, error.contains(u"outside 2"_qs));
    }

    // An operation's outcome gives the exit code; the error document's kind
    // follows it unless the command named a closer one.
    void exitCode_andErrorKind_data()
    {
        QTest::addColumn<int>("outcome"); // -1: none
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("kind");
        const auto row = [](const char* name, int outcome, int exit, const QString& kind,
                             const QString& named = {}) {
            QTest::newRow(name) << outcome << exit << named << kind;
        };
        row("usage", -1, 1, u"usage"_qs);
        row("port", -1, 2, u"port"_qs);
        row("port lost", -1, 2, u"port-lost"_qs, u"port-lost"_qs);
        row("no answer", int(Outcome::CommunicationFault), 3, u"no-answer"_qs);
        row("cannot set", int(Outcome::CannotSet), 3, u"no-answer"_qs);
        row("deleted", int(Outcome::Deleted), 3, u"no-answer"_qs);
        row("other model", int(Outcome::OtherModel), 3, u"no-answer"_qs);
        row("verify", int(Outcome::VerifyFailed), 4, u"refused"_qs);
        row("abnormal", int(Outcome::DataAbnormal), 4, u"out-of-range"_qs, u"out-of-range"_qs);
        row("file", -1, 5, u"file"_qs);
        row("interrupted", int(Outcome::Aborted), 130, u"interrupted"_qs);
    }
    void exitCode_andErrorKind()
    {
        QFETCH(int, outcome);
        QFETCH(int, exit);
        QFETCH(QString, named);
        QFETCH(QString, kind);
        if (outcome >= 0)
            QCOMPARE(int(DeviceSession::exitCodeOf(Outcome(outcome))), exit);
        Console console;
        console.setErrorKind(named);
        QCOMPARE(console.errorJson(exit),
            (QJsonObject {
                { u"kind"_qs, kind }, { u"message"_qs, QString() }, { u"exit"_qs, exit } }));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
