#include "deviceoperations.h"
#include "linkbench.h"
#include "operationview.h"
#include "settingimage.h"

#include <QTest>

namespace {
using enum EmulatorFault;
using enum OperationView::Command;
using Status = SettingImage::DecodeStatus;
constexpr int NoShow = -1;
constexpr int ShowOk = int(Status::Ok);
constexpr int ShowDeleted = int(Status::Deleted), ShowOther = int(Status::OtherModel);

const QString Done = QStringLiteral("Completion");
const QString Comm = QStringLiteral("RS232 communication fault.");
const QString Cannot = QStringLiteral("TZ cannot be set.");
const QString Ng = QStringLiteral("Verify was NG.");
const QString Abnormal = QStringLiteral("Data is abnormal!!");
// What the controller holds before each case, and what a changed window builds.
const QByteArray Old = "D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021504";
const QByteArray Built = "DC058813F005D007E8030000000000660A2D555032504C3C6A1485C800021504";
const QByteArray Stock = Tz586kvEmulator::defaultImage();

// Stands in for the main window, decoding what reaches ShowSettingData as it would.
struct OperationBench : LinkBench, OperationView {
    void setCommandEnabled(int index, bool on) override { enabled[index] = on; }
    void focusCommand(int index) override { focus.append(index); }
    bool portOpen() const override { return line.isOpen(); }
    bool firstBoxEmpty() const override { return boxEmpty; }
    void ClearSettingDisplay() override { boxEmpty = true; }
    void ShowSettingData() override
    {
        const SettingImage::Decoded decoded = SettingImage::decode(exchange.RecvBuf);
        shown.append(int(decoded.status));
        // The window's own refusals leave the boxes as they were.
        if (decoded.status == Status::Ok)
            boxEmpty = decoded.texts[0].isEmpty();
    }
    std::optional<QString> MakeWriteData() override { return writeImage; }
    void SetGraph() override { ++graphs; }

    QList<bool> enabled = QList<bool>(CommandCount);
    QList<int> focus;
    bool boxEmpty = true;
    QList<int> shown; // the decode status of each
    std::optional<QString> writeImage = QString::fromLatin1(Built);
    int graphs = 0;
    DeviceOperations operations { exchange, host, *this };
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
    void init()
    {
        m_rig = std::make_unique<OperationBench>();
        m_rig->emulator.setImage(Old);
        QVERIFY(m_rig->start());
    }

    void faultMatrix_endsIdleWithItsMessage_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<EmulatorFault>("fault");
        QTest::addColumn<QString>("message"); // the message line at the end
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("sent"); // "image" stands for the write image
        QTest::addColumn<int>("shown"); // the status ShowSettingData decoded
        QTest::addColumn<QByteArray>("holds");
        const QString sr = u"sr"_qs, br = u"br"_qs, write = u"sw image sr"_qs;
        const QString dflt = u"ae rt sr"_qs;
        const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
        row("read/no-answer") << +Read << NoAnswer << Comm << 1 << sr << NoShow << Old;
        row("read/no-terminator") << +Read << NoTerminator << Cannot << 1 << sr << NoShow << Old;
        row("read/non-hex") << +Read << NonHex << Cannot << 0 << sr << NoShow << Old;
        row("read/deleted") << +Read << Deleted << Done << 0 << sr << ShowDeleted << Old;
        row("read/plug-pulled") << +Read << PullPlug << Cannot << 1 << sr << NoShow << Old;
        row("write/none") << +Write << None << Done << 0 << write << NoShow << Built;
        row("write/no-answer") << +Write << NoAnswer << Ng << 3 << write << NoShow << Built;
        row("write/sticks-not") << +Write << WriteNotSticking << Ng << 0 << write << NoShow << Old;
        row("write/refused") << +Write << None << Abnormal << 0 << QString() << NoShow << Old;
        row("dflt/none") << +DefaultWrite << None << Done << 0 << dflt << ShowOk << Stock;
        row("dflt/no-answer") << +DefaultWrite << NoAnswer << Comm << 3 << dflt << NoShow << Stock;
        row("dflt/other") << +DefaultWrite << OtherModel << Done << 0 << dflt << ShowOther << Stock;
        row("dflt/late") << +DefaultWrite << LateReply << Comm << 3 << dflt << NoShow << Stock;
        row("get/none") << +Get << None << Done << 0 << br << NoShow << Old;
        row("get/no-answer") << +Get << NoAnswer << Comm << 1 << br << NoShow << Old;
        row("get/plug-pulled") << +Get << PullPlug << Cannot << 1 << br << NoShow << Old;
        row("clear/none") << +Clear << None << Done << 0 << u"sr be"_qs << NoShow << Old;
        row("clear/no-answer") << +Clear << NoAnswer << Comm << 1 << sr << NoShow << Old;
        row("clear/short-reply") << +Clear << ShortReply << Cannot << 0 << sr << NoShow << Old;
    }
    void faultMatrix_endsIdleWithItsMessage()
    {
        QFETCH(int, operation);
        QFETCH(EmulatorFault, fault);
        QFETCH(QString, message);
        QFETCH(int, boxes);
        QFETCH(QString, sent);
        QFETCH(int, shown);
        QFETCH(QByteArray, holds);
        // The log needs 2.4 s on the wire; late replies come after the operation moved on.
        const double scale = operation == Get && fault != NoAnswer ? 0.4 : 0.1;
        m_rig->exchange.setTimeScale(scale);
        m_rig->emulator.setDelayScale(3 * scale);
        m_rig->operations.CmdTzCom_Click(Read); // every case starts with settings on the screen
        m_rig->focus.clear();
        m_rig->emulator.setFault(fault);
        if (message == Abnormal)
            m_rig->writeImage.reset();

        m_rig->operations.CmdTzCom_Click(operation);

        const bool failed = message != Done;
        QCOMPARE(m_rig->host.messages.at(2), DeviceOperations::tooltip(operation));
        QCOMPARE(m_rig->host.messages.last(), message);
        QCOMPARE(m_rig->host.colours.last(), failed ? ExchangeHost::Red : ExchangeHost::Black);
        QCOMPARE(m_rig->host.boxes.size(), boxes);
        sent.replace(u"image"_qs, QString::fromLatin1(Built)).remove(u' ');
        QCOMPARE(QString::fromLatin1(m_rig->emulator.receivedBytes().mid(2)), sent);
        QCOMPARE(m_rig->shown.mid(1), shown == NoShow ? QList<int> {} : QList<int> { shown });
        QCOMPARE(m_rig->graphs, operation == Get && !failed ? 1 : 0);
        QCOMPARE(m_rig->emulator.image(), holds);
        const bool screenKept = operation != Read && operation != DefaultWrite;
        expectIdle(operation, fault == PullPlug, screenKept || shown == ShowOk);
    }

    void firstOperation_readsFirstAndPausesBetweenCommands_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QList<int>>("pauses"); // offset into what was sent, ms since the last
        QTest::newRow("write after a file load")
            << +Write << "srsw" + Built + "sr" << QList<int> { 2, 500, 4, 0, 68, 500 };
        QTest::newRow("default write")
            << +DefaultWrite << QByteArray("sraertsr") << QList<int> { 2, 300, 4, 500, 6, 500 };
    }
    void firstOperation_readsFirstAndPausesBetweenCommands()
    {
        QFETCH(int, operation);
        QFETCH(QByteArray, sent);
        QFETCH(QList<int>, pauses);
        m_rig->exchange.setTimeScale(1.0);
        m_rig->emulator.setDelayScale(0.05); // the controller's own second of work
        m_rig->boxEmpty = false; // a file's values are on the screen

        m_rig->operations.CmdTzCom_Click(operation);

        QCOMPARE(m_rig->emulator.receivedBytes(), sent);
        const QList<ReceivedChunk> chunks = m_rig->emulator.received();
        for (qsizetype i = 0; i < pauses.size(); i += 2) {
            const qint64 pause
                = takenAt(chunks, pauses[i]) - takenAt(chunks, i ? pauses[i - 2] : 0);
            QVERIFY2(pause >= pauses[i + 1] - 50 && pause < pauses[i + 1] + 450,
                qPrintable(QString::number(pause)));
        }
        QCOMPARE(m_rig->emulator.image(), operation == Write ? Built : Stock);
        QCOMPARE(m_rig->shown, operation == Write ? QList<int> {} : QList<int> { ShowOk });
        QCOMPARE(m_rig->host.messages.last(), Done);
        expectIdle(operation, false, true);
    }

    void programEndingMidOperation_unwindsWithoutEnding()
    {
        m_rig->exchange.setTimeScale(1.0);
        m_rig->emulator.setFault(NoAnswer);
        QTimer::singleShot(50, &m_rig->exchange, [this] { m_rig->exchange.abort(); });

        m_rig->operations.CmdTzCom_Click(Clear);

        QCOMPARE(m_rig->host.messages, QStringList { DeviceOperations::tooltip(Clear) });
        QVERIFY(m_rig->focus.isEmpty());
    }

private:
    void expectIdle(int operation, bool lost, bool writeEnabled)
    {
        QList<bool> idle(OperationView::CommandCount, !lost);
        idle[Write] = !lost && writeEnabled;
        QCOMPARE(m_rig->enabled, idle);
        QCOMPARE(m_rig->focus, operation == Get ? QList<int> {} : QList<int> { operation });
        QVERIFY(!m_rig->exchange.TmrLed.isActive());
    }

    std::unique_ptr<OperationBench> m_rig;
};

QTEST_GUILESS_MAIN(TestDeviceOperations)
#include "tst_deviceoperations.moc"
