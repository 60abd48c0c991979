#include "../files/fileio.h"
#include "controlleremulator.h"

#include <QDir>
#include <QEventLoop>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QSet>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <optional>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
const QByteArray A = Tz586kvEmulator::defaultImage();
// Dead Band 12, limiter off.
const QByteArray B = QByteArray(A).replace(32, 2, "0C").replace(38, 2, "FF");
const QByteArray Range = QByteArray(A).replace(32, 2, "3C"); // Dead Band 60
const QString Changes = u"Dead Band: 10 uS -> 12 uS\nCurrent Limiter: 150 A -> Off\n"_qs;
}

// The program run as a process against the emulator on a pseudo-terminal,
// with its home and data folders in a temporary folder.
class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Tz586kvEmulator> m_emulator;
    QByteArray m_out;
    QByteArray m_err;
    QString m_locale = u"C"_qs; // of the messages: English, or ja_JP.UTF-8

    // Runs with the event loop going, so that the emulator answers. signal
    // goes at each command of stops ("sr2": the second "sr"). closedStderr:
    // standard error into a pipe whose reader is gone.
    int run(const QString& args, const QStringList& stops = {}, const QString& dataHome = {},
        int signal = SIGINT, bool closedStderr = false)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : { u"HOME"_qs, u"XDG_DATA_HOME"_qs, u"XDG_CONFIG_HOME"_qs })
            env.insert(name, m_dir.path());
        env.insert(u"LC_ALL"_qs, m_locale);
        env.remove(u"LANGUAGE"_qs);
        // The other rows' reads are kept too: the history rows get a history of their own.
        if (!args.startsWith(u"history"_qs))
            env.insert(
                u"XDG_DATA_HOME"_qs, m_dir.filePath(dataHome.isEmpty() ? u"other"_qs : dataHome));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        QEventLoop loop;
        connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QHash<QByteArray, int> seen;
        connect(&m_emulator->model(), &ControllerModel::commandReceived, &process,
            [&](const QByteArray& command) {
                const int n = ++seen[command];
                const QString name
                    = QString::fromLatin1(command) + (n > 1 ? QString::number(n) : QString());
                if (stops.contains(name))
                    ::kill(pid_t(process.processId()), signal);
            });
        // "history": the signal goes once the command, its read done, waits for
        // the history's lock, which the test holds until then.
        QLockFile lock(m_dir.filePath(u"other/tz586kv-link/history/index.lock"_qs));
        const int watch = stops.contains(u"history"_qs) && lock.tryLock(0)
            ? ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)
            : -1;
        std::optional<QSocketNotifier> waits;
        if (watch >= 0
            && ::inotify_add_watch(watch, QFile::encodeName(lock.fileName()).constData(), IN_OPEN)
                >= 0) {
            waits.emplace(watch, QSocketNotifier::Read);
            connect(&*waits, &QSocketNotifier::activated, &process, [&] {
                waits->setEnabled(false);
                ::kill(pid_t(process.processId()), signal);
                lock.unlock();
            });
        }
        if (closedStderr) {
            process.setChildProcessModifier([] {
                int ends[2];
                if (::pipe(ends) == 0 && ::close(ends[0]) == 0)
                    ::dup2(ends[1], STDERR_FILENO);
            });
        }
        QStringList list = QString(args)
                               .replace(u"PORT"_qs, m_emulator->devicePath())
                               .split(u' ', Qt::SkipEmptyParts);
        std::replace(list.begin(), list.end(), u"\"\""_qs, QString()); // "": an empty one
        process.start(QStringLiteral(TZ586KV_PATH), list);
        loop.exec();
        if (watch >= 0)
            ::close(watch);
        m_out = process.readAllStandardOutput();
        m_err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    static void row(const char* name, const QString& args, const QString& fault, int code,
        const QString& out, const QString& err, const QByteArray& received = {},
        const QString& file = {}, const QByteArray& content = {})
    {
        QTest::newRow(name) << args << fault << code << out << err << received << file << content;
    }

private slots:
    void initTestCase()
    {
        const QList<std::pair<QString, QByteArray>> files { { u"a.set"_qs, A }, { u"b.set"_qs, B },
            { u"range.set"_qs, Range },
            { u"tz586kv-link/history/2024-01-02_03-04-05_read.set"_qs, B } };
        QVERIFY(QDir(m_dir.path()).mkpath(u"tz586kv-link/history"_qs));
        QVERIFY(QDir(m_dir.path()).mkpath(u"other/tz586kv-link/history"_qs));
        for (const auto& [name, bytes] : files)
            QVERIFY(writeAll(m_dir.filePath(name), bytes));
    }

    void init()
    {
        m_emulator = std::make_unique<Tz586kvEmulator>();
        m_emulator->setDelayScale(0.05);
        QVERIFY(m_emulator->start());
    }

    // One row for each command and for what the program itself adds: exit
    // codes, error documents, output files, signals. How each fault ends is
    // the operations' own test.
    void run_exitCodeOutputReceivedAndDisk_data()
    {
        QTest::addColumn<QString>("args"); // PORT: the emulator's device
        // Of the emulator; "range", "peak", "no history" and "Ctrl-C at" see below.
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("code"); // -1: any
        QTest::addColumn<QString>("out"); // within standard output; empty: nothing there
        QTest::addColumn<QString>("err"); // the same for standard error
        QTest::addColumn<QByteArray>("received"); // all the emulator received
        QTest::addColumn<QString>("file"); // a file written, if any
        QTest::addColumn<QByteArray>("content"); // its start; null: it must not exist
        const QString none = u"none"_qs;
        const QString usage = u"\"kind\": \"usage\""_qs;
        const QString outOfRange = u"\"kind\": \"out-of-range\""_qs;
        const QByteArray written = "srsrsw" + B + "sr";
        row("help", u"--help"_qs, none, 0, u"  5    a file cannot be read"_qs, {});
        row("diff", u"diff a.set b.set"_qs, none, 1, Changes, {});
        row("diff one side", u"diff a.set --json"_qs, none, 2, usage, u"diff needs A B"_qs);
        row("bad option, then --json", u"read --bogus --json"_qs, none, 1, usage,
            u"unknown option --bogus"_qs);
        row("COM3", u"read --port COM3 --json"_qs, none, 2, u"\"kind\": \"port\""_qs,
            u"Com3 (/dev/ttyUSB2) does not exist"_qs);
        row("ports", u"ports"_qs, none, 0, u"Com16"_qs, {});
        row("-o -", u"read --port PORT -o -"_qs, none, 0, QString::fromLatin1(A), {}, "sr");
        row("-o no folder", u"log --port PORT -o none/run.csv"_qs, none, 5, {},
            u"none/run.csv: cannot be written: the folder none does not exist"_qs, "");
        // A value out of range: 1 on the command line, 5 from a file, 4 held by the controller.
        row("set range", u"set deadband=60 --port PORT --json"_qs, none, 1, outOfRange,
            u"Dead Band: 60 is outside 2..50"_qs, "");
        row("write range", u"write range.set --port /dev/tz-none --json"_qs, none, 5, outOfRange,
            u"Dead Band: 60 is outside 2..50"_qs);
        row("read -o range JSON", u"read --port PORT -o out.set --json"_qs, u"range"_qs, 4,
            outOfRange, u"out.set is not written"_qs, "sr", u"out.set"_qs);
        // Typed the Japanese way; a comma is refused as a value that does not read.
        row("set full-width", u"set limit-timer=１２０ --dry-run --port PORT"_qs, none, 0,
            u"Current Limit Timer: 60 Sec -> 120 Sec\n"_qs, {}, "sr");
        row("set comma", u"set cutoff=3,5 --port PORT --json"_qs, none, 1, usage,
            u"Low Batt. Protection: 3,5 has a comma"_qs, "");
        row("set same", u"set deadband=10 --port PORT"_qs, none, 0,
            u"Nothing to write: the controller already holds these values.\n"_qs, {}, "sr");
        row("set quiet", u"set deadband=12 limiter=off -q --port PORT"_qs, none, 0, {}, {},
            written);
        row("read", u"read --port PORT -o out.set"_qs, none, 0,
            u"deadband       Dead Band                    10     uS    2..50\n"_qs, {}, "sr",
            u"out.set"_qs, A);
        row("read silent", u"read --port PORT"_qs, u"no-answer"_qs, 3, {},
            u"RS232 communication fault."_qs, "sr");
        row("read pulled", u"read --port PORT -o out.set --json"_qs, u"pull-plug"_qs, 2,
            u"\"kind\": \"port-lost\""_qs, u"the port was lost"_qs, "sr", u"out.set"_qs);
        row("write", u"write b.set --port PORT"_qs, none, 0,
            Changes + u"Written and verified.\n"_qs, {}, written);
        row("write dry", u"write b.set --dry-run --port PORT"_qs, none, 0, Changes, {}, "sr");
        row("write NG", u"write b.set --port PORT"_qs, u"write-not-sticking"_qs, 4, Changes,
            u"Verify was NG.\n  Dead Band: written 12 uS, read back 10 uS\n"_qs, written);
        row("defaults", u"defaults --port PORT"_qs, none, 0, u"Model        TZ586KV\n"_qs, {},
            "sraertsr");
        row("log", u"log --port PORT -o run.csv"_qs, none, 0, u"Samples          500 of 512\n"_qs,
            {}, "br", u"run.csv"_qs, "Time(s),Voltage(V),Current(A)\r\n0,16.6,0\r\n");
        row("log JSON", u"log --port PORT --json"_qs, none, 0, u"\"state\": \"estimated\""_qs, {},
            "br");
        // Sample 1 alone has a voltage and a current: the window shows it at 1 s, the file at 0.
        row("log times", u"log --port PORT -o run.csv"_qs, u"peak"_qs, 0,
            u"Lowest voltage   0 V at 2 s\nHighest voltage  7.5 V at 1 s\n"
            u"Highest current  300 A at 1 s\n"_qs,
            {}, "br", u"run.csv"_qs, "Time(s),Voltage(V),Current(A)\r\n0,7.5,300\r\n1,0,0\r\n");
        row("clear", u"clear-log --port PORT"_qs, none, 0, u"The log is cleared.\n"_qs, {}, "srbe");
        row("doctor", u"doctor --port PORT"_qs, u"no-answer"_qs, -1,
            u"opens but the controller does not answer \"sr\"."_qs, {}, "sr");
        // Said once, however many images the command kept.
        row("no history", u"set deadband=12 limiter=off --port PORT"_qs, u"no history"_qs, 0,
            Changes, u"The settings history cannot be written to"_qs, written);
        // A change that began runs to its end; only a second Ctrl-C cuts it short.
        const QString holding = u"interrupted while the controller changes"_qs;
        // The read is done and kept; the file is not saved.
        row("read Ctrl-C before the save", u"read --port PORT -o out.set"_qs,
            u"Ctrl-C at history"_qs, 130, {}, u"interrupted"_qs, "sr", u"out.set"_qs);
        row("write Ctrl-C at the read before sw", u"write b.set --port PORT"_qs,
            u"Ctrl-C at sr2"_qs, 130, Changes, u"interrupted"_qs, "srsr");
        row("write Ctrl-C twice", u"write b.set --port PORT"_qs, u"Ctrl-C at sw sr3"_qs, 130,
            Changes, u"the controller's state is unknown"_qs, written);
        // Held alike: a hangup, SIGTERM, and Ctrl-C with standard error into a pipe whose
        // reader is gone (nothing said can be read).
        const std::tuple<QString, QString, QString, QByteArray> changes[] {
            { u"write b.set --port PORT"_qs, u"sw"_qs, u"Written and verified.\n"_qs, written },
            { u"defaults --port PORT"_qs, u"ae"_qs, u"Model        TZ586KV\n"_qs, "sraertsr" },
            { u"clear-log --port PORT"_qs, u"be"_qs, u"The log is cleared.\n"_qs, "srbe" }
        };
        for (const auto& [args, at, out, received] : changes) {
            for (const QString& how :
                { u"Ctrl-C"_qs, u"SIGHUP"_qs, u"SIGTERM"_qs, u"SIGINT closed"_qs }) {
                const QString fault = how + u" at "_qs + at;
                row(qPrintable(args.section(u' ', 0, 0) + u' ' + fault), args, fault, 0, out,
                    how.endsWith(u"closed"_qs) ? QString() : holding, received);
            }
        }
        // A closing terminal hangs up twice (the shell, then the system): still held.
        row("write SIGHUP twice", u"write b.set --port PORT"_qs, u"SIGHUP at sw sr3"_qs, 0,
            u"Written and verified.\n"_qs, holding, written);
        // The history rows share one history; only controller and restore touch the port.
        // 16, the top of the table, is a port number.
        row("history", u"history --port 16"_qs, none, 0,
            u"2024-01-02_03-04-05_read  2024-01-02 03:04:05  read  -"_qs, {});
        // The only entry begins with the empty ID too.
        row("history show empty", u"history show \"\" --json"_qs, none, 1, usage,
            u"an empty ID names no history entry"_qs);
        row("history show", u"history show 2024-01-02 --port /dev/tz-none"_qs, none, 0,
            u"deadband       Dead Band                    12     uS"_qs, {});
        row("history oldest", u"history diff 2024-01-02 --port /dev/tz-none"_qs, none, 2, {},
            u"is the oldest entry"_qs);
        row("history diff controller", u"history diff 2024 controller --port PORT"_qs, none, 1,
            Changes, {}, "sr");
        row("history restore", u"history restore 2024-01-02 --port PORT"_qs, none, 0,
            Changes + u"Written and verified.\n"_qs, {}, written);
    }
    void run_exitCodeOutputReceivedAndDisk()
    {
        QFETCH(QString, args);
        QFETCH(QString, fault);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QByteArray, received);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QStringList stops;
        int signal = SIGINT;
        const qsizetype at = fault.indexOf(u" at "_qs); // "Ctrl-C at sw", "SIGHUP at sw sr2"
        if (fault == u"range")
            m_emulator->setImage(Range);
        else if (fault == u"peak")
            m_emulator->setLog(QByteArray(Tz586kvEmulator::LogLength, '0').replace(0, 4, "60A0"));
        else if (at > 0) {
            stops = fault.mid(at + 4).split(u' ');
            signal = fault.startsWith(u"SIGHUP"_qs) ? SIGHUP
                : fault.startsWith(u"SIGTERM"_qs)   ? SIGTERM
                                                    : SIGINT;
        } else if (fault != u"no history")
            m_emulator->setFault(*emulatorFaultFromName(fault));
        // A file where the history's folder should be.
        const int exitCode = run(args, stops, fault == u"no history" ? u"a.set"_qs : QString(),
            signal, fault.left(at).endsWith(u"closed"_qs));
        QVERIFY2(code < 0 || exitCode == code, m_err.constData());
        const QByteArrayList lines = m_err.split('\n');
        QVERIFY2(
            QSet<QByteArray>(lines.begin(), lines.end()).size() == lines.size(), m_err.constData());
        QVERIFY2(out.isEmpty() ? m_out.isEmpty() : m_out.contains(out.toUtf8()), m_out.constData());
        QVERIFY2(err.isEmpty() ? m_err.isEmpty() : m_err.contains(err.toUtf8()), m_err.constData());
        QCOMPARE(m_emulator->receivedBytes(), received);
        // One document, also on failure.
        if (args.contains(u"--json"_qs)) {
            const QJsonObject error
                = QJsonDocument::fromJson(m_out).object()[u"error"_qs].toObject();
            QCOMPARE(error[u"exit"_qs].toInt(), code);
            QCOMPARE(error[u"message"_qs].toString().isEmpty(), code == 0 || error.isEmpty());
        }
        if (file.isEmpty())
            return;
        QFile written(m_dir.filePath(file));
        if (content.isNull())
            QVERIFY(QDir(m_dir.path()).entryList({ file + u'*' }, QDir::Files).isEmpty());
        else
            QVERIFY(written.open(QIODevice::ReadOnly) && written.readAll().startsWith(content));
        written.remove();
    }

    // A document is the same in Japanese, its errors and findings too; what
    // standard error says is not.
    void json_sameInJapanese_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("fault");
        QTest::newRow("refused save") << u"read --port PORT -o out.set --json"_qs << u"range"_qs;
        QTest::newRow("no folder") << u"log --port PORT -o none/run.csv --json"_qs << QString();
        QTest::newRow("doctor") << u"doctor --port PORT --json"_qs << u"no-answer"_qs;
    }
    void json_sameInJapanese()
    {
        QFETCH(QString, args);
        QFETCH(QString, fault);
        if (fault == u"range")
            m_emulator->setImage(Range);
        else if (!fault.isEmpty())
            m_emulator->setFault(*emulatorFaultFromName(fault));
        run(args);
        const QByteArray out = m_out;
        const QByteArray err = m_err;
        m_locale = u"ja_JP.UTF-8"_qs;
        run(args);
        m_locale = u"C"_qs;
        QCOMPARE(m_out, out);
        QCOMPARE(m_err == err, err.isEmpty());
    }

    void readJson_givesEveryParameterAndMode()
    {
        const QByteArray image = QByteArray(A).replace(62, 2, "11"); // Virgin Bit, Robot Mode
        m_emulator->setImage(image);
        QCOMPARE(run(u"read --json --port PORT"_qs), 0);
        const QJsonObject doc = QJsonDocument::fromJson(m_out).object();
        QCOMPARE(doc.value(u"model"_qs).toString(), u"TZ586KV"_qs);
        QCOMPARE(doc.value(u"modelCode"_qs).toInt(), 2);
        QCOMPARE(doc.value(u"romVersion"_qs).toInt(), 21);
        QCOMPARE(doc.value(u"image"_qs).toString().toLatin1(), image);
        QCOMPARE(doc.value(u"device"_qs).toString(), m_emulator->devicePath());
        QVERIFY(doc.value(u"port"_qs).isNull()); // a device outside the table
        const QJsonArray parameters = doc.value(u"parameters"_qs).toArray();
        QCOMPARE(parameters.size(), 15);
        QCOMPARE(parameters.at(3).toObject(),
            (QJsonObject { { u"key"_qs, u"cutoff"_qs },
                { u"caption"_qs, u"Low Batt. Protection"_qs }, { u"value"_qs, 3.5 },
                { u"unit"_qs, u"V"_qs }, { u"min"_qs, 2.5 }, { u"max"_qs, 6.0 },
                { u"inRange"_qs, true } }));
        const QJsonArray modes = doc.value(u"modes"_qs).toArray();
        QCOMPARE(modes.size(), 5);
        QCOMPARE(modes.at(1).toObject(),
            (QJsonObject { { u"key"_qs, u"robot-mode"_qs }, { u"caption"_qs, u"Robot Mode"_qs },
                { u"bit"_qs, 4 }, { u"on"_qs, true }, { u"shown"_qs, true } }));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
