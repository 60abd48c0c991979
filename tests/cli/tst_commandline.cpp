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
    void parse_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error"); // within the usage error; empty: none
        QTest::newRow("-o FILE") << u"read -o =b.set"_qs << u"=b.set"_qs << QString();
        QTest::newRow("-o=FILE") << u"read -o=b.set"_qs << u"b.set"_qs << QString();
        QTest::newRow("-oFILE") << u"log -ob.csv"_qs << u"b.csv"_qs << QString();
        QTest::newRow("-o=") << u"read -o="_qs << QString() << u"-o needs a file name"_qs;
        QTest::newRow("--output=") << u"read --output="_qs << QString() << u"--output needs"_qs;
        QTest::newRow("no command") << QString() << QString() << u"no command given"_qs;
        QTest::newRow("other's option")
            << u"read --all"_qs << QString() << u"--all does not go with read"_qs;
        QTest::newRow("port 17") << u"ports --port 17"_qs << QString()
                                 << u"--port: Com17 is outside the port numbers 1-16"_qs;
        QTest::newRow("no file") << u"write"_qs << QString() << u"write needs FILE.set"_qs;
        QTest::newRow("misspelt") << u"reed"_qs << QString()
                                  << u"unknown command reed; did you mean 'read'?"_qs;
    }
    void parse()
    {
        QFETCH(QString, args);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const ParsedCommandLine parsed = parseCommandLine(args.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(parsed.invocation.output, output);
        QVERIFY2(error.isEmpty() ? parsed.error.isEmpty() : parsed.error.contains(error),
            qPrintable(parsed.error));
    }

    void assignments_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("error"); // within; empty: none
        QTest::newRow("keys and captions")
            << u"Dead-Band=12 LIMITER=off robot-mode=on"_qs << QString();
        QTest::newRow("out of range") << u"deadband=60"_qs << u"Dead Band: 60 is outside 2..50"_qs;
        QTest::newRow("twice") << u"deadband=6 deadband=7"_qs
                               << u"deadband=6 and deadband=7 contradict each other"_qs;
        QTest::newRow("off and a limit")
            << u"limiter=off limiter=150"_qs << u"contradict each other"_qs;
        QTest::newRow("both modes") << u"reverse-cancel=on robot-mode=on"_qs
                                    << u"Reverse Cancel and Robot Mode exclude each other"_qs;
        // Values the window never writes.
        for (const char* key : { "neutral", "high-forward", "high-brake", "virgin-bit" })
            QTest::newRow(key) << QLatin1StringView(key) + u"=1"_qs
                               << u"is not written by this program"_qs;
    }
    void assignments()
    {
        QFETCH(QString, args);
        QFETCH(QString, error);
        const ParsedAssignments parsed = parseAssignments(args.split(u' '));
        QVERIFY2(error.isEmpty() ? parsed.error.isEmpty() : parsed.error.contains(error),
            qPrintable(parsed.error));
        QCOMPARE(parsed.outOfRange, error.contains(u"outside"_qs));
        if (error.isEmpty())
            QCOMPARE(parsed.assignments.size(), 3);
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
