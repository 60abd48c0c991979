#include "deviceoperations.h"
#include "linkbench.h"
#include "samplestore.h"
#include "settingvalues.h"

#include <QSignalSpy>
#include <QTest>

namespace {
using enum Command;
using enum Outcome;
using EmulatorFault::LateReply, EmulatorFault::None, EmulatorFault::NoAnswer, EmulatorFault::NonHex,
    EmulatorFault::NoTerminator, EmulatorFault::PullPlug, EmulatorFault::ShortReply,
    EmulatorFault::WriteNotSticking;

// What the controller holds before each case, and what a changed window builds.
const QByteArray Old = "D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021504";
const QByteArray Built = "DC058813F005D007E8030000000000660A2D555032504C3C6A1485C800021504";
const QByteArray Stock = Tz586kvEmulator::defaultImage();
// Another controller: Old's values with its own hidden bytes 4-9 and 28.
const QByteArray Other = Old.left(8) + "DC05A00F0000" + Old.mid(20, 36) + "01" + Old.mid(58);

// The history as the operations see it: what came, in order, each named,
// with all the controller had received by then.
struct KeptImages : ImageRecorder {
    const ControllerModel* model = nullptr;
    QList<std::pair<Kind, QString>> kept;
    QByteArrayList receivedThen;
    QString record(Kind kind, const QString& image) override
    {
        kept.append({ kind, image });
        receivedThen.append(model->receivedBytes());
        return u"entry%1"_qs.arg(kept.size());
    }
};

// The log history as the operations see it: the settings each log came with.
struct KeptLogs : LogRecorder {
    QStringList images;
    QString recordLog(const SampleStore& store, const QString& image) override
    {
        images.append(store.held ? image : QString());
        return {};
    }
};

struct OperationBench : LinkBench {
    using LinkBench::LinkBench;
    SettingValues values;
    SampleStore store;
    DeviceOperations operations { exchange, values, store };
    KeptLogs logs;
};

// When the controller took the byte at offset of all it received.
qint64 takenAt(const QList<ReceivedChunk>& chunks, qsizetype offset)
{
    for (const ReceivedChunk& chunk : chunks) {
        if (offset < chunk.data.size())
            return chunk.ms;
        offset -= chunk.data.size();
    }
    return -1;
}
}

class TestDeviceOperations : public QObject {
    Q_OBJECT

private slots:
    void init() { startRig(LineKind::Pty); }

    // Every row over each of the three lines.
    void faultMatrix_endsWithItsOutcome_data()
    {
        QTest::addColumn<LineKind>("line");
        QTest::addColumn<Command>("command");
        QTest::addColumn<EmulatorFault>("fault");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("faults"); // announced while the operation went on
        QTest::addColumn<QString>("sent"); // "image" stands for the write image
        QTest::addColumn<QByteArray>("holds");
        const QString sr = u"sr"_qs, br = u"br"_qs, write = u"sr sw image sr"_qs;
        const QString dflt = u"sr ae rt sr"_qs;
        struct Row {
            const char* name;
            Command command;
            EmulatorFault fault;
            Outcome outcome;
            int faults;
            QString sent;
            QByteArray holds;
        };
        const Row rows[] {
            { "read/no-answer", Read, NoAnswer, CommunicationFault, 1, sr, Old },
            { "read/no-terminator", Read, NoTerminator, CannotSet, 1, sr, Old },
            { "read/non-hex", Read, NonHex, CannotSet, 1, sr, Old },
            { "read/short-reply", Read, ShortReply, CannotSet, 0, sr, Old },
            { "read/deleted", Read, EmulatorFault::Deleted, Outcome::Deleted, 0, sr, Old },
            { "read/plug-pulled", Read, PullPlug, CannotSet, 1, sr, Old },
            { "write/none", Write, None, Completed, 0, write, Built },
            { "write/no-answer", Write, NoAnswer, CommunicationFault, 1, sr, Old },
            { "write/sticks-not", Write, WriteNotSticking, VerifyFailed, 0, write, Old },
            { "write/lower-case", Write, EmulatorFault::LowerCase, Completed, 0, write, Built },
            { "write/refused", Write, None, DataAbnormal, 0, QString(), Old },
            { "write/other", Write, EmulatorFault::OtherModel, Outcome::OtherModel, 0, sr, Old },
            { "write/deleted", Write, EmulatorFault::Deleted, Outcome::Deleted, 0, sr, Old },
            { "dflt/none", DefaultWrite, None, Completed, 0, dflt, Stock },
            { "dflt/no-answer", DefaultWrite, NoAnswer, CommunicationFault, 1, sr, Old },
            { "dflt/other", DefaultWrite, EmulatorFault::OtherModel, Outcome::OtherModel, 0, dflt,
                Stock },
            { "dflt/late", DefaultWrite, LateReply, CommunicationFault, 1, sr, Old },
            { "get/none", Get, None, Completed, 0, br, Old },
            { "get/no-answer", Get, NoAnswer, CommunicationFault, 1, br, Old },
            { "get/plug-pulled", Get, PullPlug, CannotSet, 1, br, Old },
            { "get/short-reply", Get, ShortReply, CannotSet, 0, br, Old },
            { "get/non-hex", Get, NonHex, CannotSet, 0, br, Old },
            { "clear/none", Clear, None, Completed, 0, u"sr be"_qs, Old },
            { "clear/no-answer", Clear, NoAnswer, CommunicationFault, 1, sr, Old },
            { "clear/short-reply", Clear, ShortReply, CannotSet, 0, sr, Old },
        };
        for (LineKind line : LineKinds) {
            for (const Row& r : rows)
                QTest::addRow("%s/%s", r.name, lineKindName(line))
                    << line << r.command << r.fault << r.outcome << r.faults << r.sent << r.holds;
        }
    }
    void faultMatrix_endsWithItsOutcome()
    {
        QFETCH(LineKind, line);
        QFETCH(Command, command);
        QFETCH(EmulatorFault, fault);
        QFETCH(Outcome, outcome);
        QFETCH(int, faults);
        QFETCH(QString, sent);
        QFETCH(QByteArray, holds);
        // The log needs 2.4 s on the wire; late replies come after the operation moved on.
        const double scale = command == Get && fault != NoAnswer ? 0.4 : 0.1;
        startRig(line);
        m_rig->exchange.setTimeScale(scale);
        m_rig->model().setDelayScale(3 * scale);
        QCOMPARE(m_rig->operations.run(Read), Completed); // settings on the screen first
        m_rig->values.setText(Parameter::PwmFrequencyMinLoad, u"1500"_qs);
        if (outcome == DataAbnormal)
            m_rig->values.setText(Parameter::DeadBand, u"100"_qs);
        m_rig->model().setFault(fault);
        m_rig->faults.clear();

        QCOMPARE(m_rig->operations.run(command), outcome);

        QCOMPARE(m_rig->faults.size(), faults);
        sent.replace(u"image"_qs, QString::fromLatin1(Built)).remove(u' ');
        QCOMPARE(QString::fromLatin1(m_rig->model().receivedBytes().mid(2)), sent);
        QCOMPARE(m_rig->model().image(), holds);
        QCOMPARE(m_rig->store.held, command == Get && outcome == Completed);
        QCOMPARE(m_rig->logs.images.size(), int(m_rig->store.held));
        QCOMPARE(
            m_rig->logs.images.value(0), m_rig->store.held ? QString::fromLatin1(Old) : QString());
        if (!m_rig->store.held)
            QVERIFY(
                m_rig->store.volt == SampleStore().volt && m_rig->store.cur == SampleStore().cur);
        const bool cleared = (command == Read || command == DefaultWrite)
            && (outcome != Completed || fault == EmulatorFault::OtherModel);
        QCOMPARE(m_rig->values.isEmpty(), cleared);
    }

    void firstOperation_readsFirstAndPausesBetweenCommands_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QList<int>>("pauses"); // offset into what was sent, ms since the last
        QTest::newRow("write after a file load")
            << Write << "srsw" + Built + "sr" << QList<int> { 2, 500, 4, 0, 68, 500 };
        QTest::newRow("default write")
            << DefaultWrite << QByteArray("sraertsr") << QList<int> { 2, 300, 4, 500, 6, 500 };
    }
    void firstOperation_readsFirstAndPausesBetweenCommands()
    {
        QFETCH(Command, command);
        QFETCH(QByteArray, sent);
        QFETCH(QList<int>, pauses);
        m_rig->exchange.setTimeScale(1.0);
        m_rig->model().setDelayScale(0.05); // the controller's own second of work
        m_rig->values.show(QString::fromLatin1(Old)); // a file's values
        m_rig->values.setText(Parameter::PwmFrequencyMinLoad, u"1500"_qs);

        QCOMPARE(m_rig->operations.run(command), Completed);

        QCOMPARE(m_rig->model().receivedBytes(), sent);
        const QList<ReceivedChunk> chunks = m_rig->model().received();
        for (qsizetype i = 0; i < pauses.size(); i += 2) {
            const qint64 pause
                = takenAt(chunks, pauses[i]) - takenAt(chunks, i ? pauses[i - 2] : 0);
            QVERIFY2(pause >= pauses[i + 1] - 50 && pause < pauses[i + 1] + 450,
                qPrintable(QString::number(pause)));
        }
        QCOMPARE(m_rig->model().image(), command == Write ? Built : Stock);
        QCOMPARE(m_rig->values.controllerImage().toLatin1(), m_rig->model().image());
    }

    void change_isAnnouncedFromItsCommandUntilItsLastReplyEnded_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArrayList>("seen"); // received as it begins (+) and ends (-)
        QTest::newRow("write") << Write << QByteArrayList { "sr+", "srsw" + Built + "sr-" };
        QTest::newRow("default write") << DefaultWrite << QByteArrayList { "sr+", "sraertsr-" };
        QTest::newRow("clear") << Clear << QByteArrayList { "sr+", "srbe-" };
        QTest::newRow("read") << Read << QByteArrayList {};
    }
    void change_isAnnouncedFromItsCommandUntilItsLastReplyEnded()
    {
        QFETCH(Command, command);
        QFETCH(QByteArrayList, seen);
        m_rig->exchange.setTimeScale(0.1);
        m_rig->model().setDelayScale(0.05);
        m_rig->values.show(QString::fromLatin1(Old)); // a file's values: the write reads first
        m_rig->values.setText(Parameter::PwmFrequencyMinLoad, u"1500"_qs);
        QByteArrayList announced;
        connect(&m_rig->operations, &DeviceOperations::changingController, this, [&](bool on) {
            // The reply that ends the change has come whole.
            QVERIFY(on || !m_rig->model().isSending());
            announced.append(m_rig->model().receivedBytes() + (on ? "+" : "-"));
        });
        QCOMPARE(m_rig->operations.run(command), Completed);
        QCOMPARE(announced, seen);
    }

    // Another controller was put on the cable after the last read: the change
    // keeps its hidden bytes, and its settings are kept before the change
    // is sent.
    void change_startsFromTheControllerOnTheLineNow_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArray>("shown"); // what the window shows, empty: the read
        QTest::addColumn<QByteArray>("holds");
        QTest::addColumn<int>("kind"); // of the first image kept
        const QByteArray restored = Built.left(8) + Other.mid(8, 12) + Built.mid(20, 36)
            + Other.mid(56, 6) + Built.mid(62);
        QTest::newRow("write") << Write << QByteArray() << Other
                               << int(ImageRecorder::Kind::BeforeWrite);
        QTest::newRow("restore") << Write << Built << restored
                                 << int(ImageRecorder::Kind::BeforeWrite);
        QTest::newRow("default write")
            << DefaultWrite << QByteArray() << Stock << int(ImageRecorder::Kind::BeforeDefault);
        QTest::newRow("clear") << Clear << QByteArray() << Other << int(ImageRecorder::Kind::Read);
    }
    void change_startsFromTheControllerOnTheLineNow()
    {
        QFETCH(Command, command);
        QFETCH(QByteArray, shown);
        QFETCH(QByteArray, holds);
        QFETCH(int, kind);
        m_rig->exchange.setTimeScale(0.1);
        m_rig->model().setDelayScale(0.05);
        KeptImages history;
        history.model = &m_rig->model();
        QCOMPARE(m_rig->operations.run(Read), Completed);
        m_rig->operations.setRecorder(&history);
        if (!shown.isEmpty())
            m_rig->values.show(QString::fromLatin1(shown));
        m_rig->model().setImage(Other);
        QSignalSpy replaced(&m_rig->operations, &DeviceOperations::controllerReplaced);

        QCOMPARE(m_rig->operations.run(command), Completed);

        QCOMPARE(m_rig->model().image(), holds);
        QCOMPARE(int(history.kept.value(0).first), kind);
        QCOMPARE(history.kept.value(0).second.toLatin1(), Other);
        QCOMPARE(history.receivedThen.value(0), QByteArray("srsr"));
        QCOMPARE(replaced.size(), 1);
        QCOMPARE(replaced[0], (QVariantList { QString::fromLatin1(Other), u"entry1"_qs }));
    }

    void programEndingMidOperation_unwinds()
    {
        m_rig->exchange.setTimeScale(1.0);
        m_rig->model().setFault(NoAnswer);
        QTimer::singleShot(50, &m_rig->exchange, [this] { m_rig->exchange.abort(); });
        QCOMPARE(m_rig->operations.run(Clear), Aborted);
        QVERIFY(m_rig->faults.isEmpty());
        QVERIFY(!m_rig->operations.isRunning());
    }

private:
    void startRig(LineKind line)
    {
        m_rig = std::make_unique<OperationBench>(line);
        m_rig->operations.setLogRecorder(&m_rig->logs);
        m_rig->model().setImage(Old);
        QVERIFY(m_rig->start());
    }

    std::unique_ptr<OperationBench> m_rig;
};

QTEST_GUILESS_MAIN(TestDeviceOperations)
#include "tst_deviceoperations.moc"
