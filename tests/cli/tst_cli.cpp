#include "controlleremulator.h"
#include "qtserialline.h"

#include <QDir>
#include <QEventLoop>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
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

    // Runs with the event loop going, so that the emulator answers. signal
    // goes at each command of stops ("sr2": the second "sr"; "*": the first of
    // all). closedStderr: standard error into a pipe whose reader is gone.
    int run(const QString& args, const QStringList& stops = {}, const QString& dataHome = {},
        int signal = SIGINT, bool closedStderr = false)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& name : { u"HOME"_qs, u"XDG_DATA_HOME"_qs, u"XDG_CONFIG_HOME"_qs })
            env.insert(name, m_dir.path());
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
                if (stops.contains(name) || (stops.contains(u"*"_qs) && seen.size() == 1 && n == 1))
                    ::kill(pid_t(process.processId()), signal);
            });
        if (closedStderr) {
            process.setChildProcessModifier([] {
                int ends[2];
                if (::pipe(ends) == 0 && ::close(ends[0]) == 0)
                    ::dup2(ends[1], STDERR_FILENO);
            });
        }
        QStringList list = QString(args)
                               .replace(u"RELPORT"_qs,
                                   QDir(m_dir.path()).relativeFilePath(m_emulator->devicePath()))
                               .replace(u"PORT"_qs, m_emulator->devicePath())
                               .split(u' ', Qt::SkipEmptyParts);
        std::replace(list.begin(), list.end(), u"\"\""_qs, QString()); // "": an empty one
        process.start(QStringLiteral(TZ586KV_PATH), list);
        loop.exec();
        m_out = process.readAllStandardOutput();
        m_err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // What a run killed with kill -9 leaves on the device: Qt's settings,
    // never restored.
    static bool leaveSettings(const QString& device)
    {
        const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY);
        termios tio {};
        const bool done = fd >= 0 && ::tcgetattr(fd, &tio) == 0
            && (tio.c_iflag |= IGNPAR, ::tcsetattr(fd, TCSANOW, &tio) == 0);
        ::close(fd);
        return done;
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
            { u"range.set"_qs, Range }, { u"short.set"_qs, A.left(63) },
            { u"bom.set"_qs, "\xEF\xBB\xBF" + B + "\r\n" }, { u"lf.set"_qs, B + "\n" },
            { u"nothex.set"_qs, QByteArray(A).replace(10, 1, "G") },
            { u"tz586kv-link/history/2024-01-02_03-04-05_read.set"_qs, B } };
        QVERIFY(QDir(m_dir.path()).mkpath(u"tz586kv-link/history"_qs));
        // Read, it would wait for a writer for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(m_dir.filePath(u"fifo.set"_qs)).constData(), 0600), 0);
        for (const auto& [name, bytes] : files) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
    }

    void init()
    {
        m_emulator = std::make_unique<Tz586kvEmulator>();
        m_emulator->setDelayScale(0.05);
        QVERIFY(m_emulator->start());
    }

    void run_exitCodeOutputReceivedAndDisk_data()
    {
        QTest::addColumn<QString>("args"); // PORT: the emulator's device
        // Of the emulator; "range", "held", "peak", "no history" and "Ctrl-C at" see below.
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>(
            "code"); // 130 without "Ctrl-C at": SIGINT at the first command; -1: any
        QTest::addColumn<QString>("out"); // within standard output; empty: nothing there
        QTest::addColumn<QString>("err"); // the same for standard error
        QTest::addColumn<QByteArray>("received"); // all the emulator received
        QTest::addColumn<QString>("file"); // a file written, if any
        QTest::addColumn<QByteArray>("content"); // its start; null: it must not exist
        const QString none = u"none"_qs;
        const QString commFault = u"RS232 communication fault."_qs;
        const QString cannotSet = u"TZ cannot be set."_qs;
        const QString deleted = u"Setting Data is deleted."_qs;
        const QString otherModel = u"TZ type is different."_qs;
        row("no command", {}, none, 1, {}, u"no command given"_qs);
        row("other's option", u"read --all --port PORT"_qs, none, 1, {}, u"--all does not go"_qs);
        row("port 17", u"ports --port 17"_qs, none, 1, {},
            u"--port: Com17 is outside the port numbers 1-16"_qs);
        row("no file", u"write"_qs, none, 1, {}, u"write needs FILE.set"_qs);
        // A value out of range: 1 on the command line, 5 from a file, 4 held by the controller.
        row("set range", u"set deadband=60 --port PORT --json"_qs, none, 1,
            u"\"kind\": \"out-of-range\""_qs, u"Dead Band: 60 is outside 2..50"_qs);
        row("help", u"--help"_qs, none, 0, u"  5    a file cannot be read"_qs, {});
        row("diff help", u"diff --help"_qs, none, 0, u"  130  interrupted"_qs, {});
        row("same", u"diff a.set a.set"_qs, none, 0, u"The settings are the same.\n"_qs, {});
        row("diff", u"diff a.set b.set"_qs, none, 1, Changes, {});
        row("diff JSON", u"diff a.set b.set --json"_qs, none, 1, u"\"key\": \"deadband\""_qs, {});
        row("diff one side", u"diff a.set --json"_qs, none, 2, u"\"kind\": \"usage\""_qs,
            u"diff needs A B"_qs);
        row("help CMD", u"help diff"_qs, none, 0, u"Usage: tz586kv diff A B"_qs, {});
        row("unknown", u"reed --json"_qs, none, 1, u"\"kind\": \"usage\""_qs,
            u"unknown command reed; did you mean 'read'?"_qs);
        row("COM3", u"read --port COM3 --json"_qs, none, 2, u"\"kind\": \"port\""_qs,
            u"Com3 (/dev/ttyUSB2) does not exist"_qs);
        row("bad option, then --json", u"read --bogus --json"_qs, none, 1,
            u"\"kind\": \"usage\""_qs, u"unknown option --bogus"_qs);
        // A network port in any case of the scheme, not a file of that name.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString tcp = u"127.0.0.1:%1"_qs.arg(closed.serverPort());
        closed.close();
        row("TCP closed", u"read --port TCP://"_qs + tcp, none, 2, {},
            u"tcp://%1 cannot be opened: %1 refused the connection"_qs.arg(tcp));
        row("relative port", u"read --port RELPORT -oout.set"_qs, none, 0, u"deadband"_qs, {}, "sr",
            u"out.set"_qs, A);
        row("--output=", u"read --port PORT --output=out.set -q"_qs, none, 0, {}, {}, "sr",
            u"out.set"_qs, A);
        row("-o -", u"read --port PORT -o -"_qs, none, 0, QString::fromLatin1(A), {}, "sr");
        row("-o no folder", u"log --port PORT -o none/run.csv"_qs, none, 5, {},
            u"none/run.csv: cannot be written: the folder none does not exist"_qs, "");
        row("set twice", u"set deadband=6 deadband=7 --port PORT"_qs, none, 1, {},
            u"deadband=6 and deadband=7 contradict each other"_qs, "");
        row("set off and limit", u"set limiter=off limiter=150 --port PORT --json"_qs, none, 1,
            u"\"kind\": \"usage\""_qs, u"contradict each other"_qs, "");
        row("set modes", u"set reverse-cancel=on robot-mode=on --port PORT"_qs, none, 1, {},
            u"Reverse Cancel and Robot Mode exclude each other"_qs, "");
        row("set dry", u"set deadband=12 --dry-run --port PORT"_qs, none, 0,
            u"Dead Band: 10 uS -> 12 uS\n"_qs, {}, "sr");
        row("set same", u"set deadband=10 --port PORT"_qs, none, 0,
            u"Nothing to write: the controller already holds these values.\n"_qs, {}, "sr");
        row("write same", u"write a.set --port PORT"_qs, none, 0, u"Nothing to write"_qs, {}, "sr");
        row("write forced", u"write a.set --force --port PORT"_qs, none, 0,
            u"Written and verified.\n"_qs, {}, "srsrsw" + A + "sr");
        row("set quiet", u"set deadband=12 limiter=off -q --port PORT"_qs, none, 0, {}, {},
            "srsrsw" + B + "sr");
        row("short", u"diff a.set short.set"_qs, none, 5, {},
            u"short.set: not a setting file: 63 characters"_qs);
        row("not hex", u"diff nothex.set a.set"_qs, none, 5, {},
            u"nothex.set: not a setting file: Character 11: expected a hexadecimal digit"_qs);
        row("write FIFO", u"write fifo.set --port /dev/tz-none"_qs, none, 5, {},
            u"fifo.set: cannot be read: is not a regular file"_qs);
        row("diff folder", u"diff a.set tz586kv-link --json"_qs, none, 5, u"\"kind\": \"file\""_qs,
            u"tz586kv-link: cannot be read: is a folder"_qs);
        row("BOM CR LF", u"diff a.set bom.set"_qs, none, 1, Changes, {});
        row("LF", u"write lf.set --dry-run --port PORT"_qs, none, 0, Changes, {}, "sr");
        // The port does not exist: 2 would mean that it was tried before the file.
        row("write short", u"write short.set --port /dev/tz-none"_qs, none, 5, {},
            u"not a setting file"_qs);
        row("write range", u"write range.set --port /dev/tz-none --json"_qs, none, 5,
            u"\"kind\": \"out-of-range\""_qs, u"Dead Band: 60 is outside 2..50"_qs);
        row("read", u"read --port PORT -o out.set"_qs, none, 0,
            u"deadband       Dead Band                    10     uS    2..50\n"_qs, {}, "sr",
            u"out.set"_qs, A);
        row("read -o range JSON", u"read --port PORT -o out.set --json"_qs, u"range"_qs, 4,
            u"\"kind\": \"out-of-range\""_qs, u"out.set is not written"_qs, "sr", u"out.set"_qs);
        row("read silent", u"read --port PORT"_qs, u"no-answer"_qs, 3, {}, commFault, "sr");
        row("read short", u"read --port PORT"_qs, u"short-reply"_qs, 3, {}, cannotSet, "sr");
        row("read non-hex", u"read --port PORT"_qs, u"non-hex"_qs, 3, {}, cannotSet, "sr");
        row("read deleted", u"read --port PORT"_qs, u"deleted"_qs, 3, {}, deleted, "sr");
        row("read other", u"read --port PORT"_qs, u"other-model"_qs, 3, {}, otherModel, "sr");
        row("read pulled", u"read --port PORT -o out.set --json"_qs, u"pull-plug"_qs, 2,
            u"\"kind\": \"port-lost\""_qs, u"the port was lost"_qs, "sr", u"out.set"_qs);
        row("write pulled", u"write b.set --port PORT"_qs, u"pull-plug"_qs, 2, {},
            u"the port was lost"_qs, "sr");
        row("defaults pulled", u"defaults --port PORT"_qs, u"pull-plug"_qs, 2, {},
            u"the port was lost"_qs, "sr");
        row("read Ctrl-C", u"read --port PORT -o out.set"_qs, u"no-answer"_qs, 130, {},
            u"interrupted"_qs, "sr", u"out.set"_qs);
        row("read after kill -9", u"read --port PORT"_qs, u"left"_qs, 0, u"deadband"_qs, {}, "sr");
        // The test holds the port, as the window would.
        row("read in use", u"read --port PORT"_qs, u"held"_qs, 2, {},
            u"is in use by another program, perhaps TZ586KV Link"_qs);
        row("write", u"write b.set --port PORT"_qs, none, 0,
            Changes + u"Written and verified.\n"_qs, {}, "srsrsw" + B + "sr");
        row("write dry", u"write b.set --dry-run --port PORT"_qs, none, 0, Changes, {}, "sr");
        row("write NG", u"write b.set --port PORT"_qs, u"write-not-sticking"_qs, 4, Changes,
            u"Verify was NG.\n  Dead Band: written 12 uS, read back 10 uS\n"_qs,
            "srsrsw" + B + "sr");
        row("write NG JSON", u"write b.set --port PORT --json"_qs, u"write-not-sticking"_qs, 4,
            u"\"verified\": false"_qs, u"Verify was NG."_qs, "srsrsw" + B + "sr");
        row("write deleted", u"write b.set --port PORT"_qs, u"deleted"_qs, 3, {}, deleted, "sr");
        row("set", u"set deadband=12 limiter=off --port PORT"_qs, none, 0, Changes, {},
            "srsrsw" + B + "sr");
        // Values the window never writes are refused before the port is touched.
        for (const char* key : { "neutral", "high-forward", "high-brake", "virgin-bit" }) {
            const QString name = u"set "_qs + QLatin1StringView(key);
            row(qPrintable(name), name + u"=1500 --port PORT"_qs, none, 1, {},
                u"is not written by this program"_qs, "");
        }
        row("set abnormal", u"set cutoff=3 --port PORT --json"_qs, u"range"_qs, 4,
            u"\"kind\": \"out-of-range\""_qs,
            u"Data is abnormal!! Dead Band: 60 is outside 2..50"_qs, "sr");
        row("defaults", u"defaults --port PORT"_qs, none, 0, u"Model        TZ586KV\n"_qs, {},
            "sraertsr");
        row("defaults other", u"defaults --port PORT"_qs, u"other-model"_qs, 3, {}, otherModel,
            "sraertsr");
        row("log", u"log --port PORT -o run.csv"_qs, none, 0, u"Samples          500 of 512\n"_qs,
            {}, "br", u"run.csv"_qs, "Time(s),Voltage(V),Current(A)\r\n0,8.7,10\r\n");
        row("log pulled", u"log --port PORT -o run.csv"_qs, u"pull-plug"_qs, 2, {},
            u"the port was lost"_qs, "br", u"run.csv"_qs);
        row("log short", u"log --port PORT -o run.csv"_qs, u"short-reply"_qs, 3, {}, cannotSet,
            "br", u"run.csv"_qs);
        row("log non-hex", u"log --port PORT -o run.csv"_qs, u"non-hex"_qs, 3, {}, cannotSet, "br",
            u"run.csv"_qs);
        // Sample 1 alone has a voltage and a current: the window shows it at 1 s, the file at 0.
        row("log times", u"log --port PORT -o run.csv"_qs, u"peak"_qs, 0,
            u"Lowest voltage   0 V at 2 s\nHighest voltage  7.5 V at 1 s\n"
            u"Highest current  300 A at 1 s\n"_qs,
            {}, "br", u"run.csv"_qs, "Time(s),Voltage(V),Current(A)\r\n0,7.5,300\r\n1,0,0\r\n");
        // A change that began runs to its end; only a second Ctrl-C cuts it short.
        const QString holding = u"interrupted while the controller changes"_qs;
        const QString unknown = u"the controller's state is unknown"_qs;
        const QByteArray written = "srsrsw" + B + "sr";
        row("write Ctrl-C at sr", u"write b.set --port PORT"_qs, u"Ctrl-C at sr"_qs, 130, {},
            u"interrupted"_qs, "sr");
        row("write Ctrl-C at the read before sw", u"write b.set --port PORT"_qs,
            u"Ctrl-C at sr2"_qs, 130, Changes, u"interrupted"_qs, "srsr");
        row("write Ctrl-C at verify", u"write b.set --port PORT"_qs, u"Ctrl-C at sr3"_qs, 0,
            Changes + u"Written and verified.\n"_qs, holding, written);
        row("write Ctrl-C twice", u"write b.set --port PORT"_qs, u"Ctrl-C at sw sr3"_qs, 130,
            Changes, unknown, written);
        row("defaults Ctrl-C at sr", u"defaults --port PORT"_qs, u"Ctrl-C at sr"_qs, 130, {},
            u"interrupted"_qs, "sr");
        for (const char* step : { "rt", "sr2" })
            row(qPrintable(u"defaults Ctrl-C at "_qs + QLatin1String(step)),
                u"defaults --port PORT"_qs, u"Ctrl-C at "_qs + QLatin1String(step), 0,
                u"Model        TZ586KV\n"_qs, holding, "sraertsr");
        row("clear Ctrl-C at sr", u"clear-log --port PORT"_qs, u"Ctrl-C at sr"_qs, 130, {},
            u"interrupted"_qs, "sr");
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
        row("write Ctrl-C twice, closed", u"write b.set --port PORT"_qs,
            u"SIGINT closed at sw sr3"_qs, 130, Changes, {}, written);
        // Said once, however many images the command kept.
        row("no history", u"set deadband=12 limiter=off --port PORT"_qs, u"no history"_qs, 0,
            Changes, u"The settings history cannot be written to"_qs, written);
        row("clear", u"clear-log --port PORT"_qs, none, 0, u"The log is cleared.\n"_qs, {}, "srbe");
        row("clear short", u"clear-log --port PORT"_qs, u"short-reply"_qs, 3, {}, cannotSet, "sr");
        row("diff controller", u"diff a.set controller --port PORT"_qs, u"deleted"_qs, 3, {},
            deleted, "sr");
        row("doctor", u"doctor --port PORT"_qs, u"no-answer"_qs, -1,
            u"opens but the controller does not answer \"sr\"."_qs, {}, "sr");
        // The history rows share one history; only controller and restore touch the port.
        const QString entry = u"2024-01-02_03-04-05_read"_qs;
        // 16, the top of the table, is a port number.
        row("history", u"history --port 16"_qs, none, 0,
            entry + u"  2024-01-02 03:04:05  read  -"_qs, {});
        // The only entry begins with the empty ID too.
        row("history show empty", u"history show \"\" --json"_qs, none, 1,
            u"\"kind\": \"usage\""_qs, u"an empty ID names no history entry"_qs);
        row("history show", u"history show 2024-01-02 --port /dev/tz-none"_qs, none, 0,
            u"deadband       Dead Band                    12     uS"_qs, {});
        row("history unknown", u"history show 1999 --json"_qs, none, 1, u"\"kind\": \"usage\""_qs,
            u"no history entry 1999"_qs);
        row("history oldest", u"history diff 2024-01-02 --port /dev/tz-none"_qs, none, 2, {},
            u"is the oldest entry"_qs);
        row("history diff file", u"history diff 2024-01-02 a.set --port /dev/tz-none"_qs, none, 1,
            Changes, {});
        row("history diff controller", u"history diff 2024 controller --port PORT"_qs, none, 1,
            Changes, {}, "sr");
        row("history restore dry", u"history restore 2024-01-02 --dry-run --port PORT"_qs, none, 0,
            Changes, {}, "sr");
        row("history restore", u"history restore 2024-01-02 --port PORT"_qs, none, 0,
            Changes + u"Written and verified.\n"_qs, {}, "srsrsw" + B + "sr");
        row("history show --force", u"history show 2024-01-02 --force"_qs, none, 1, {},
            u"go with history restore only"_qs);
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
        QtSerialLine holder;
        QStringList stops = code == 130 ? QStringList { u"*"_qs } : QStringList();
        int signal = SIGINT;
        const qsizetype at = fault.indexOf(u" at "_qs); // "Ctrl-C at sw", "SIGHUP at sw sr2"
        if (fault == u"range")
            m_emulator->setImage(Range);
        else if (fault == u"held")
            QVERIFY(holder.open(m_emulator->devicePath()));
        else if (fault == u"peak")
            m_emulator->setLog(QByteArray(Tz586kvEmulator::LogLength, '0').replace(0, 4, "60A0"));
        else if (at > 0) {
            stops = fault.mid(at + 4).split(u' ');
            signal = fault.startsWith(u"SIGHUP"_qs) ? SIGHUP
                : fault.startsWith(u"SIGTERM"_qs)   ? SIGTERM
                                                    : SIGINT;
        } else if (fault == u"left")
            QVERIFY(leaveSettings(m_emulator->devicePath()));
        else if (fault != u"no history")
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
        // One document, also on failure; the exit code of diff's differences is no failure.
        if (args.contains(u"--json"_qs)) {
            const QJsonObject error
                = QJsonDocument::fromJson(m_out).object()[u"error"_qs].toObject();
            QCOMPARE(error[u"exit"_qs].toInt(), args.startsWith(u"diff a.set b.set"_qs) ? 0 : code);
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
        const QJsonObject cutoff = parameters.at(3).toObject();
        QCOMPARE(cutoff.keys(),
            QStringList({ u"caption"_qs, u"inRange"_qs, u"key"_qs, u"max"_qs, u"min"_qs, u"unit"_qs,
                u"value"_qs }));
        QCOMPARE(cutoff.value(u"key"_qs).toString(), u"cutoff"_qs);
        QCOMPARE(cutoff.value(u"caption"_qs).toString(), u"Low Batt. Protection"_qs);
        QCOMPARE(cutoff.value(u"value"_qs).toDouble(), 3.5);
        QCOMPARE(cutoff.value(u"unit"_qs).toString(), u"V"_qs);
        QCOMPARE(cutoff.value(u"min"_qs).toDouble(), 2.5);
        QCOMPARE(cutoff.value(u"max"_qs).toDouble(), 6.0);
        QCOMPARE(cutoff.value(u"inRange"_qs).toBool(), true);
        QCOMPARE(parameters.at(4).toObject().value(u"off"_qs).toBool(), false);
        QCOMPARE(parameters.at(14).toObject().value(u"key"_qs).toString(), u"high-brake"_qs);
        const QJsonArray modes = doc.value(u"modes"_qs).toArray();
        QCOMPARE(modes.size(), 5);
        const QJsonObject robot = modes.at(1).toObject();
        QCOMPARE(robot.value(u"key"_qs).toString(), u"robot-mode"_qs);
        QCOMPARE(robot.value(u"caption"_qs).toString(), u"Robot Mode"_qs);
        QCOMPARE(robot.value(u"bit"_qs).toInt(), 4);
        QCOMPARE(robot.value(u"on"_qs).toBool(), true);
        QCOMPARE(robot.value(u"shown"_qs).toBool(), true);
        QCOMPARE(modes.at(0).toObject().value(u"on"_qs).toBool(), false); // Reverse Cancel
        const QJsonObject virgin = modes.at(2).toObject();
        QCOMPARE(virgin.value(u"key"_qs).toString(), u"virgin-bit"_qs);
        QCOMPARE(virgin.value(u"on"_qs).toBool(), true);
        QCOMPARE(virgin.value(u"shown"_qs).toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
