#include "controlleremulator.h"
#include "deviceoperations.h"
#include "fakeoperationview.h"
#include "messageexchange.h"
#include "qtserialline.h"
#include "recordinghost.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

namespace {
using Fault = EmulatorFault;
using Status = SettingImage::DecodeStatus;

constexpr int Read = OperationView::Read;
constexpr int Write = OperationView::Write;
constexpr int Default = OperationView::DefaultWrite;
constexpr int Get = OperationView::Get;
constexpr int Clear = OperationView::Clear;
constexpr int NotShown = -1;

const char* const Completion = "Completion";
const char* const CommFault = "RS232 communication fault.";
const char* const CannotSet = "TZ cannot be set.";
const char* const VerifyNg = "Verify was NG.";

// What the controller holds before each case, and what a changed window builds.
const QByteArray OldImage = "D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021504";
const QByteArray BuiltImage = "DC058813F005D007E8030000000000660A2D555032504C3C6A1485C800021504";

enum class Holds { Old, Built, Defaults };
using enum Holds;
using enum EmulatorFault;

struct Row {
    const char* name;
    int operation;
    Fault fault;
    const char* pullOn; // the plug comes out as the controller takes this command
    const char* message; // the message line at the end
    int boxes;
    const char* sent; // commands that reach the controller; "image" is the write image
    int shown; // the status ShowSettingData decoded, or NotShown
    bool graph;
    Holds holds;
};

// Every case starts after a good read, so the screen holds the old settings.
const Row Rows[] = {
    { "read/none", Read, None, "", Completion, 0, "sr", int(Status::Ok), false, Old },
    { "read/no-answer", Read, NoAnswer, "", CommFault, 1, "sr", NotShown, false, Old },
    { "read/no-terminator", Read, NoTerminator, "", CannotSet, 1, "sr", NotShown, false, Old },
    { "read/short-reply", Read, ShortReply, "", CannotSet, 0, "sr", NotShown, false, Old },
    { "read/long-reply", Read, LongReply, "", CannotSet, 0, "sr", NotShown, false, Old },
    { "read/non-hex", Read, NonHex, "", CannotSet, 0, "sr", NotShown, false, Old },
    { "read/deleted", Read, Deleted, "", Completion, 0, "sr", int(Status::Deleted), false, Old },
    { "read/other-model", Read, OtherModel, "", Completion, 0, "sr", int(Status::OtherModel), false,
        Old },
    { "read/pull-plug", Read, PullPlug, "", CannotSet, 1, "sr", NotShown, false, Old },
    { "read/late-reply", Read, LateReply, "", CommFault, 1, "sr", NotShown, false, Old },
    { "read/port-lost-on-sr", Read, None, "sr", CommFault, 1, "sr", NotShown, false, Old },

    { "write/none", Write, None, "", Completion, 0, "sw image sr", NotShown, false, Built },
    { "write/no-answer", Write, NoAnswer, "", VerifyNg, 3, "sw image sr", NotShown, false, Built },
    { "write/no-terminator", Write, NoTerminator, "", VerifyNg, 3, "sw image sr", NotShown, false,
        Built },
    { "write/short-reply", Write, ShortReply, "", VerifyNg, 0, "sw image sr", NotShown, false,
        Built },
    { "write/long-reply", Write, LongReply, "", VerifyNg, 0, "sw image sr", NotShown, false,
        Built },
    { "write/non-hex", Write, NonHex, "", VerifyNg, 0, "sw image sr", NotShown, false, Built },
    { "write/write-not-sticking", Write, WriteNotSticking, "", VerifyNg, 0, "sw image sr", NotShown,
        false, Old },
    { "write/deleted", Write, Deleted, "", VerifyNg, 0, "sw image sr", NotShown, false, Built },
    { "write/other-model", Write, OtherModel, "", VerifyNg, 0, "sw image sr", NotShown, false,
        Built },
    { "write/pull-plug", Write, PullPlug, "", VerifyNg, 3, "sw", NotShown, false, Old },
    { "write/late-reply", Write, LateReply, "", VerifyNg, 3, "sw image sr", NotShown, false,
        Built },
    { "write/port-lost-on-sw", Write, None, "sw", VerifyNg, 3, "sw", NotShown, false, Old },
    { "write/port-lost-on-verify", Write, None, "sr", VerifyNg, 1, "sw image sr", NotShown, false,
        Built },

    { "default/none", Default, None, "", Completion, 0, "ae rt sr", int(Status::Ok), false,
        Defaults },
    { "default/no-answer", Default, NoAnswer, "", CommFault, 3, "ae rt sr", NotShown, false,
        Defaults },
    { "default/no-terminator", Default, NoTerminator, "", CannotSet, 3, "ae rt sr", NotShown, false,
        Defaults },
    { "default/short-reply", Default, ShortReply, "", CannotSet, 0, "ae rt sr", NotShown, false,
        Defaults },
    { "default/long-reply", Default, LongReply, "", CannotSet, 0, "ae rt sr", NotShown, false,
        Defaults },
    { "default/non-hex", Default, NonHex, "", CannotSet, 0, "ae rt sr", NotShown, false, Defaults },
    { "default/deleted", Default, Deleted, "", Completion, 0, "ae rt sr", int(Status::Deleted),
        false, Defaults },
    { "default/other-model", Default, OtherModel, "", Completion, 0, "ae rt sr",
        int(Status::OtherModel), false, Defaults },
    { "default/pull-plug", Default, PullPlug, "", CommFault, 3, "ae", NotShown, false, Defaults },
    { "default/late-reply", Default, LateReply, "", CommFault, 3, "ae rt sr", NotShown, false,
        Defaults },
    { "default/port-lost-on-rt", Default, None, "rt", CommFault, 2, "ae rt", NotShown, false,
        Defaults },

    // The log's own content is the log window's to judge.
    { "get/none", Get, None, "", Completion, 0, "br", NotShown, true, Old },
    { "get/no-answer", Get, NoAnswer, "", CommFault, 1, "br", NotShown, false, Old },
    { "get/no-terminator", Get, NoTerminator, "", CannotSet, 1, "br", NotShown, false, Old },
    { "get/short-reply", Get, ShortReply, "", Completion, 0, "br", NotShown, true, Old },
    { "get/long-reply", Get, LongReply, "", Completion, 0, "br", NotShown, true, Old },
    { "get/non-hex", Get, NonHex, "", Completion, 0, "br", NotShown, true, Old },
    { "get/pull-plug", Get, PullPlug, "", CannotSet, 1, "br", NotShown, false, Old },
    { "get/late-reply", Get, LateReply, "", CommFault, 1, "br", NotShown, false, Old },
    { "get/port-lost-on-br", Get, None, "br", CommFault, 1, "br", NotShown, false, Old },

    { "clear/none", Clear, None, "", Completion, 0, "sr be", NotShown, false, Old },
    { "clear/no-answer", Clear, NoAnswer, "", CommFault, 1, "sr", NotShown, false, Old },
    { "clear/no-terminator", Clear, NoTerminator, "", CannotSet, 1, "sr", NotShown, false, Old },
    { "clear/short-reply", Clear, ShortReply, "", CannotSet, 0, "sr", NotShown, false, Old },
    { "clear/long-reply", Clear, LongReply, "", CannotSet, 0, "sr", NotShown, false, Old },
    { "clear/non-hex", Clear, NonHex, "", CannotSet, 0, "sr", NotShown, false, Old },
    { "clear/deleted", Clear, Deleted, "", Completion, 0, "sr be", NotShown, false, Old },
    { "clear/other-model", Clear, OtherModel, "", Completion, 0, "sr be", NotShown, false, Old },
    { "clear/pull-plug", Clear, PullPlug, "", CannotSet, 1, "sr", NotShown, false, Old },
    { "clear/late-reply", Clear, LateReply, "", CommFault, 1, "sr", NotShown, false, Old },
    { "clear/port-lost-on-be", Clear, None, "be", CommFault, 1, "sr be", NotShown, false, Old },
};

QByteArray imageHeld(Holds holds)
{
    switch (holds) {
    case Holds::Old:
        return OldImage;
    case Holds::Built:
        return BuiltImage;
    case Holds::Defaults:
        break;
    }
    return Tz586kvEmulator::defaultImage();
}

QByteArray commandsOf(const char* sent)
{
    QByteArray all = QByteArray(sent).replace("image", BuiltImage);
    return all.replace(' ', QByteArray());
}

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

QStringList textsOf(const QList<RecordingHost::Message>& messages)
{
    QStringList texts;
    for (const auto& message : messages)
        texts.append(message.text);
    return texts;
}
}

class TestDeviceOperations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    void init()
    {
        m_emulator = std::make_unique<Tz586kvEmulator>();
        QVERIFY(m_emulator->start());
        m_emulator->setImage(OldImage);
        m_line = std::make_unique<QtSerialLine>();
        QVERIFY(m_line->open(m_emulator->devicePath()));
        m_host = std::make_unique<RecordingHost>();
        m_exchange = std::make_unique<MessageExchange>(*m_line, *m_host);
        m_exchange->setTimeScale(0.1);
        m_view = std::make_unique<FakeOperationView>(*m_line, *m_exchange);
        m_view->writeImage = QString::fromLatin1(BuiltImage);
        m_operations = std::make_unique<DeviceOperations>(*m_exchange, *m_host, *m_view);
    }

    void cleanup()
    {
        m_operations.reset();
        m_view.reset();
        m_exchange.reset();
        m_host.reset();
        m_line.reset();
        m_emulator.reset();
        QVERIFY(QDir::current().isEmpty());
    }

    void faultMatrix_endsIdleWithItsMessage_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < std::size(Rows); ++i)
            QTest::newRow(Rows[i].name) << int(i);
    }
    void faultMatrix_endsIdleWithItsMessage()
    {
        QFETCH(int, row);
        const Row& r = Rows[row];
        // The log reply needs 2.4 s on the wire, whatever the time base.
        const bool logOnWire
            = r.operation == Get && r.fault != Fault::NoAnswer && r.fault != Fault::LateReply;
        const double scale = logOnWire ? 0.4 : 0.1;
        m_exchange->setTimeScale(scale);
        // Late replies then come only after the operation has moved on.
        m_emulator->setDelayScale(3 * scale);
        readGoodSettings();
        m_emulator->setFault(r.fault);
        const QByteArray pullOn(r.pullOn);
        connect(m_emulator.get(), &Tz586kvEmulator::commandReceived, m_emulator.get(),
            [this, pullOn](const QByteArray& command) {
                if (command == pullOn)
                    m_emulator->pullPlug();
            });

        m_operations->CmdTzCom_Click(r.operation);

        const QString message = QString::fromLatin1(r.message);
        const bool failed = message != QLatin1String(Completion);
        const bool lost = r.fault == Fault::PullPlug || !pullOn.isEmpty();
        QCOMPARE(m_host->messages.first().text, DeviceOperations::tooltip(r.operation));
        QCOMPARE(m_host->messages.last().text, message);
        QCOMPARE(m_host->messages.last().colour, failed ? ExchangeHost::Red : ExchangeHost::Black);
        QCOMPARE(m_exchange->ErrFlag, failed);
        QCOMPARE(textsOf(m_host->messages).contains(QLatin1String(Completion)), !failed);
        QCOMPARE(m_host->boxes.size(), r.boxes);
        QCOMPARE(m_emulator->receivedBytes(), commandsOf(r.sent));
        QCOMPARE(m_line->isOpen(), !lost);

        QCOMPARE(m_view->clears, r.operation == Read || r.operation == Default ? 1 : 0);
        QCOMPARE(m_view->shown.size(), r.shown == NotShown ? 0 : 1);
        if (r.shown != NotShown)
            QCOMPARE(int(m_view->shown.first().status), r.shown);
        if (r.shown == int(Status::Ok))
            QCOMPARE(m_view->shown.first().image.toLatin1(), m_emulator->image());
        QCOMPARE(m_view->graphs.size(), r.graph ? 1 : 0);
        QCOMPARE(m_emulator->image(), imageHeld(r.holds));

        const bool screenKept = r.operation == Write || r.operation == Get || r.operation == Clear;
        expectIdle(r.operation, lost, screenKept || r.shown == int(Status::Ok));
    }

    void writeAfterFileLoad_readsFirstThenWritesWithHalfSecondWaits()
    {
        m_exchange->setTimeScale(1.0);
        m_view->boxEmpty = false; // the file's values are on the screen

        m_operations->CmdTzCom_Click(Write);

        QCOMPARE(m_emulator->receivedBytes(), "srsw" + BuiltImage + "sr");
        const QList<ReceivedChunk> chunks = m_emulator->received();
        const qint64 readToSw = takenAt(chunks, 2) - takenAt(chunks, 0);
        const qint64 swToImage = takenAt(chunks, 4) - takenAt(chunks, 2);
        const qint64 imageToVerify = takenAt(chunks, 68) - takenAt(chunks, 4);
        QVERIFY2(readToSw >= 450 && readToSw < 1500, qPrintable(QString::number(readToSw)));
        QVERIFY2(swToImage < 450, qPrintable(QString::number(swToImage)));
        QVERIFY2(imageToVerify >= 450 && imageToVerify < 1500,
            qPrintable(QString::number(imageToVerify)));
        QCOMPARE(m_emulator->image(), BuiltImage);
        QCOMPARE(m_view->clears, 0);
        QVERIFY(m_view->shown.isEmpty());
        QCOMPARE(m_host->messages.last().text, QLatin1String(Completion));
        QVERIFY(m_host->boxes.isEmpty());
        expectIdle(Write, false, true);
    }

    void defaultWriteBeforeAnyRead_readsFirstAndShowsDefaults()
    {
        m_exchange->setTimeScale(1.0);
        m_emulator->setDelayScale(0.05); // the controller's own second of work

        m_operations->CmdTzCom_Click(Default);

        QCOMPARE(m_emulator->receivedBytes(), QByteArray("sraertsr"));
        const QList<ReceivedChunk> chunks = m_emulator->received();
        const qint64 readToAe = takenAt(chunks, 2) - takenAt(chunks, 0);
        const qint64 aeToRt = takenAt(chunks, 4) - takenAt(chunks, 2);
        const qint64 rtToRead = takenAt(chunks, 6) - takenAt(chunks, 4);
        QVERIFY2(readToAe >= 270 && readToAe < 1500, qPrintable(QString::number(readToAe)));
        QVERIFY2(aeToRt >= 450 && aeToRt < 1500, qPrintable(QString::number(aeToRt)));
        QVERIFY2(rtToRead >= 450 && rtToRead < 1500, qPrintable(QString::number(rtToRead)));
        QCOMPARE(m_view->shown.size(), 1);
        QVERIFY(m_view->shown.first().status == Status::Ok);
        QCOMPARE(m_view->shown.first().image.toLatin1(), Tz586kvEmulator::defaultImage());
        QCOMPARE(m_host->messages.last().text, QLatin1String(Completion));
        expectIdle(Default, false, true);
    }

    void refusedWriteImage_sendsNothingAndSaysDataAbnormal_data()
    {
        QTest::addColumn<bool>("readBefore");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("after a read") << true << QByteArray();
        QTest::newRow("after a file load") << false << QByteArray("sr");
    }
    void refusedWriteImage_sendsNothingAndSaysDataAbnormal()
    {
        QFETCH(bool, readBefore);
        QFETCH(QByteArray, sent);
        if (readBefore)
            readGoodSettings();
        m_view->boxEmpty = false;
        m_view->writeImage.reset();

        m_operations->CmdTzCom_Click(Write);

        QCOMPARE(m_view->writeDataMade, 1);
        QCOMPARE(m_emulator->receivedBytes(), sent);
        QCOMPARE(m_emulator->image(), OldImage);
        QCOMPARE(m_host->messages.last().text, u"Data is abnormal!!"_qs);
        QCOMPARE(m_host->messages.last().colour, ExchangeHost::Red);
        QVERIFY(m_exchange->ErrFlag);
        QVERIFY(!textsOf(m_host->messages).contains(QLatin1String(Completion)));
        expectIdle(Write, false, true);
    }

    void programEndingMidOperation_unwindsWithoutEnding()
    {
        m_exchange->setTimeScale(1.0);
        m_emulator->setFault(Fault::NoAnswer);
        QTimer::singleShot(50, m_exchange.get(), [this] { m_exchange->abort(); });

        m_operations->CmdTzCom_Click(Clear);

        QCOMPARE(m_emulator->receivedBytes(), QByteArray("sr"));
        QCOMPARE(textsOf(m_host->messages), QStringList { DeviceOperations::tooltip(Clear) });
        QVERIFY(m_host->boxes.isEmpty());
        QVERIFY(m_view->focus.isEmpty());
    }

private:
    // A fault-free read, so that a case starts from settings on the screen.
    void readGoodSettings()
    {
        m_operations->CmdTzCom_Click(Read);
        QCOMPARE(m_host->messages.last().text, QLatin1String(Completion));
        QVERIFY(!m_view->boxEmpty);
        m_host->messages.clear();
        m_host->boxes.clear();
        m_view->forget();
        m_emulator->clearReceived();
    }

    void expectIdle(int operation, bool lost, bool writeEnabled)
    {
        QList<bool> idle(OperationView::CommandCount, !lost);
        idle[Write] = !lost && writeEnabled;
        const auto& enabled = m_view->enabledCommands;
        QCOMPARE(QList<bool>(enabled.begin(), enabled.end()), idle);
        QCOMPARE(m_view->focus, operation == Get ? QList<int> {} : QList<int> { operation });
        QVERIFY(!m_exchange->TmrLed.isActive());
        QCOMPARE(m_host->lamps.last(), ExchangeHost::LampDark);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Tz586kvEmulator> m_emulator;
    std::unique_ptr<QtSerialLine> m_line;
    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<MessageExchange> m_exchange;
    std::unique_ptr<FakeOperationView> m_view;
    std::unique_ptr<DeviceOperations> m_operations;
};

QTEST_GUILESS_MAIN(TestDeviceOperations)
#include "tst_deviceoperations.moc"
