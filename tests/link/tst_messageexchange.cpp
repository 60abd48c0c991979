#include "controlleremulator.h"
#include "messageexchange.h"
#include "operationaborted.h"
#include "qtserialline.h"
#include "recordinghost.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <sys/resource.h>

namespace {
const QString Cr = QStringLiteral("\r");
const QString CommFault = QStringLiteral("RS232 communication fault.");
const QString CannotSet = QStringLiteral("TZ cannot be set.");
constexpr double Fast = 0.05; // 3 s windows become 150 ms

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Passes the port's data on only when told, so that a test can make the
// terminator land in the same pass as the end of the reply window.
class HeldBackLine : public SerialLine {
public:
    explicit HeldBackLine(SerialLine& inner)
        : m_inner(inner)
    {
    }
    bool open(const QString& device) override { return m_inner.open(device); }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    QByteArray readAll() override { return m_inner.readAll(); }
    void discardInput() override { m_inner.discardInput(); }
    bool write(const QByteArray& data) override { return m_inner.write(data); }
    void release() { emit readyRead(); }

private:
    SerialLine& m_inner;
};
}

class TestMessageExchange : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_emulator = std::make_unique<Tz586kvEmulator>();
        QVERIFY(m_emulator->start());
        m_line = std::make_unique<QtSerialLine>();
        QVERIFY(m_line->open(m_emulator->devicePath()));
        m_host = std::make_unique<RecordingHost>();
        m_exchange = std::make_unique<MessageExchange>(*m_line, *m_host);
        m_exchange->setTimeScale(Fast);
    }

    void cleanup()
    {
        m_exchange.reset();
        m_host.reset();
        m_line.reset();
        m_emulator.reset();
    }

    void replyWindow_followsFirstTwoCharacters_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("window");
        QTest::newRow("sr") << u"sr"_qs << 3000;
        QTest::newRow("sw") << u"sw"_qs << 3000;
        QTest::newRow("write image")
            << QString::fromLatin1(Tz586kvEmulator::defaultImage()) << 3000;
        QTest::newRow("ae") << u"ae"_qs << 12000;
        QTest::newRow("rt") << u"rt"_qs << 3000;
        QTest::newRow("br") << u"br"_qs << 10000;
        QTest::newRow("be") << u"be"_qs << 12000;
        QTest::newRow("be with more") << u"bexyz"_qs << 12000;
        QTest::newRow("upper case") << u"BR"_qs << 3000;
        QTest::newRow("unknown") << u"zz"_qs << 3000;
        QTest::newRow("empty") << QString() << 3000;
    }
    void replyWindow_followsFirstTwoCharacters()
    {
        QFETCH(QString, command);
        QFETCH(int, window);
        QCOMPARE(MessageExchange::replyWindowMs(command), window);
    }

    void exchange_endsOnTerminatorWithoutFault_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("terminator");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("replyLength");
        QTest::newRow("sr") << u"sr"_qs << Cr << Fast << 68;
        QTest::newRow("sw") << u"sw"_qs << u"sw"_qs << Fast << 2;
        QTest::newRow("ae") << u"ae"_qs << Cr << Fast << 1; // 600 ms window, 1 s think
        QTest::newRow("rt") << u"rt"_qs << u"rt"_qs << Fast << 2;
        QTest::newRow("br") << u"br"_qs << Cr << 0.5 << 2051; // 2.4 s on the wire
        QTest::newRow("be") << u"be"_qs << Cr << Fast << 1;
    }
    void exchange_endsOnTerminatorWithoutFault()
    {
        QFETCH(QString, command);
        QFETCH(QString, terminator);
        QFETCH(double, scale);
        QFETCH(int, replyLength);
        m_exchange->setTimeScale(scale);
        m_emulator->setDelayScale(0.3);
        m_exchange->SendCommand(command, terminator);
        QVERIFY(!m_exchange->TimeOutFlag);
        QVERIFY(!m_exchange->ErrFlag);
        QCOMPARE(m_exchange->RecvBuf.size(), replyLength);
        QVERIFY(m_exchange->RecvBuf.endsWith(terminator));
        QVERIFY(m_host->boxes.isEmpty());
        QCOMPARE(m_emulator->receivedBytes(), command.toLatin1());
    }

    void writeImage_completesWhenWholeImageEchoed()
    {
        const QString image
            = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021505"_qs;
        m_exchange->SendCommand(u"sw"_qs, u"sw"_qs);
        m_exchange->SendCommand(image, image);
        QVERIFY(!m_exchange->ErrFlag);
        QCOMPARE(m_exchange->RecvBuf, image);
        QCOMPARE(m_emulator->image(), image.toLatin1());
    }

    void noAnswer_timesOutAfterItsWindowWithWarningBox_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("terminator");
        QTest::newRow("sr") << u"sr"_qs << Cr;
        QTest::newRow("sw") << u"sw"_qs << u"sw"_qs;
        QTest::newRow("ae") << u"ae"_qs << Cr;
        QTest::newRow("rt") << u"rt"_qs << u"rt"_qs;
        QTest::newRow("br") << u"br"_qs << Cr;
        QTest::newRow("be") << u"be"_qs << Cr;
    }
    void noAnswer_timesOutAfterItsWindowWithWarningBox()
    {
        QFETCH(QString, command);
        QFETCH(QString, terminator);
        m_emulator->setFault(EmulatorFault::NoAnswer);
        QElapsedTimer clock;
        clock.start();
        m_exchange->SendCommand(command, terminator);
        const qint64 elapsed = clock.elapsed();
        const double window = MessageExchange::replyWindowMs(command) * Fast;
        QVERIFY2(
            elapsed >= window - 1 && elapsed < window + 250, qPrintable(QString::number(elapsed)));
        QVERIFY(m_exchange->TimeOutFlag);
        QVERIFY(m_exchange->ErrFlag);
        QVERIFY(m_exchange->RecvBuf.isEmpty());
        expectFailure(CommFault, ExchangeHost::BoxIcon::Warning);
    }

    void noTerminator_timesOutWithInformationBox()
    {
        m_emulator->setFault(EmulatorFault::NoTerminator);
        QVERIFY(!m_exchange->SetReadData());
        QCOMPARE(m_exchange->RecvBuf.size(), 67);
        QVERIFY(m_exchange->ErrFlag);
        expectFailure(CannotSet, ExchangeHost::BoxIcon::Information);
    }

    void realWindow_runsThreeSecondsNearIdle()
    {
        m_exchange->setTimeScale(1.0);
        m_emulator->setFault(EmulatorFault::NoAnswer);
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = cpuSeconds();
        m_exchange->SendCommand(u"sr"_qs, Cr);
        const double cpu = cpuSeconds() - cpuBefore;
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 3000 && elapsed < 3300, qPrintable(QString::number(elapsed)));
        QVERIFY2(cpu < 0.1, qPrintable(QString::number(cpu)));
        expectFailure(CommFault, ExchangeHost::BoxIcon::Warning);
    }

    void settingRead_keepsImageAndRomVersion()
    {
        QVERIFY(m_exchange->SetReadData());
        QCOMPARE(m_exchange->ReadData, QString::fromLatin1(Tz586kvEmulator::defaultImage()));
        QCOMPARE(m_exchange->RomVersion, 0x15);
        QCOMPARE(m_exchange->RecvBuf.size(), 66);
        QVERIFY(m_exchange->RecvBuf.startsWith(m_exchange->ReadData));
        QVERIFY(m_host->boxes.isEmpty() && m_host->messages.isEmpty());
    }

    void settingRead_wrongLengthRefusedSilently_data()
    {
        QTest::addColumn<EmulatorFault>("fault");
        QTest::addColumn<int>("length");
        QTest::newRow("67") << EmulatorFault::ShortReply << 67;
        QTest::newRow("69") << EmulatorFault::LongReply << 69;
    }
    void settingRead_wrongLengthRefusedSilently()
    {
        QFETCH(EmulatorFault, fault);
        QFETCH(int, length);
        QVERIFY(m_exchange->SetReadData());
        const QString before = m_exchange->ReadData;
        m_emulator->setFault(fault);
        QVERIFY(!m_exchange->SetReadData());
        QCOMPARE(m_exchange->RecvBuf.size(), length);
        QCOMPARE(m_exchange->ReadData, before);
        QVERIFY(!m_exchange->ErrFlag);
        QVERIFY(m_host->boxes.isEmpty() && m_host->messages.isEmpty());
    }

    void settingRead_nonHexImageRefusedWithRedLine()
    {
        m_emulator->setFault(EmulatorFault::NonHex);
        QVERIFY(!m_exchange->SetReadData());
        QVERIFY(m_exchange->ErrFlag);
        QCOMPARE(m_exchange->RomVersion, -1);
        QVERIFY(m_exchange->ReadData.isEmpty());
        QVERIFY(m_host->boxes.isEmpty());
        QCOMPARE(m_host->messages.size(), 1);
        QCOMPARE(m_host->messages.at(0).text, CannotSet);
        QCOMPARE(m_host->messages.at(0).colour, ExchangeHost::Red);
    }

    void inputWaitingBeforeSend_isDiscarded()
    {
        m_exchange->RecvBuf = u"old reply\r"_qs;
        QVERIFY(m_emulator->writeNow("stale\r"));
        QVERIFY(m_exchange->SetReadData());
        QCOMPARE(
            m_exchange->RecvBuf.left(64), QString::fromLatin1(Tz586kvEmulator::defaultImage()));
    }

    void timeOutInSamePassAsTerminator_countsAsTimeOut()
    {
        m_exchange.reset(); // would read the reply away first
        HeldBackLine held(*m_line);
        MessageExchange exchange(held, *m_host);
        exchange.setTimeScale(Fast);
        // Runs after the exchange's own tick: the reply arrives in the same pass.
        connect(&exchange.TmrComm, &QTimer::timeout, &held, &HeldBackLine::release);
        QVERIFY(!exchange.SetReadData());
        QCOMPARE(exchange.RecvBuf.size(), 68);
        QVERIFY(exchange.TimeOutFlag);
        QVERIFY(exchange.ErrFlag);
        QVERIFY(exchange.ReadData.isEmpty());
        expectFailure(CannotSet, ExchangeHost::BoxIcon::Information);
    }

    void plugPulledMidReply_endsWaitAsTimeOut()
    {
        m_exchange->setTimeScale(1.0);
        m_emulator->setFault(EmulatorFault::PullPlug);
        QSignalSpy lost(m_line.get(), &SerialLine::lost);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!m_exchange->SetReadData());
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(lost.size(), 1);
        QVERIFY(!m_line->isOpen());
        QVERIFY(!m_exchange->RecvBuf.isEmpty());
        expectFailure(CannotSet, ExchangeHost::BoxIcon::Information);
    }

    void sendOnClosedLine_refusedAtOnce()
    {
        m_exchange->setTimeScale(1.0);
        m_line->close();
        QElapsedTimer clock;
        clock.start();
        m_exchange->SendCommand(u"sr"_qs, Cr);
        QVERIFY(clock.elapsed() < 500);
        QVERIFY(m_exchange->ErrFlag);
        expectFailure(CommFault, ExchangeHost::BoxIcon::Warning);
    }

    void abort_endsWaitAndEveryLaterWait()
    {
        m_exchange->setTimeScale(1.0);
        m_emulator->setFault(EmulatorFault::NoAnswer);
        QTimer::singleShot(50, m_exchange.get(), [this] { m_exchange->abort(); });
        QElapsedTimer clock;
        clock.start();
        QVERIFY_THROWS_EXCEPTION(OperationAborted, m_exchange->SendCommand(u"sr"_qs, Cr));
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY_THROWS_EXCEPTION(OperationAborted, m_exchange->DelaySeconds(1.0));
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(m_host->boxes.isEmpty() && m_host->messages.isEmpty());
    }

    void delay_passesEndWhileEventsRun()
    {
        bool handled = false;
        QTimer::singleShot(0, m_exchange.get(), [&handled] { handled = true; });
        QElapsedTimer clock;
        clock.start();
        m_exchange->DelaySeconds(0.5); // 25 ms at this time base
        QVERIFY(clock.nsecsElapsed() > 25'000'000);
        QVERIFY(handled);
    }

    void lamp_blinksDuringWaitAndGoesDarkAtStop()
    {
        m_emulator->setFault(EmulatorFault::NoAnswer);
        m_exchange->setTimeScale(0.15); // 450 ms
        m_exchange->SendCommand(u"sr"_qs, Cr);
        QCOMPARE(m_host->lamps.value(0), ExchangeHost::LampBright);
        QVERIFY(m_host->lamps.size() >= 4);
        QCOMPARE(m_host->lamps.value(1), ExchangeHost::LampDark);
        QCOMPARE(m_host->lamps.value(2), ExchangeHost::LampBright);
        m_exchange->stopLamp();
        QVERIFY(!m_exchange->TmrLed.isActive());
        QCOMPARE(m_host->lamps.last(), ExchangeHost::LampDark);
    }

private:
    void expectFailure(const QString& text, ExchangeHost::BoxIcon icon)
    {
        QCOMPARE(m_host->boxes.size(), 1);
        QCOMPARE(m_host->boxes.at(0).text, text);
        QVERIFY(m_host->boxes.at(0).icon == icon);
        QCOMPARE(m_host->messages.size(), 1);
        QCOMPARE(m_host->messages.at(0).text, text);
        QCOMPARE(m_host->messages.at(0).colour, ExchangeHost::Red);
    }

    std::unique_ptr<Tz586kvEmulator> m_emulator;
    std::unique_ptr<QtSerialLine> m_line;
    std::unique_ptr<RecordingHost> m_host;
    std::unique_ptr<MessageExchange> m_exchange;
};

QTEST_GUILESS_MAIN(TestMessageExchange)
#include "tst_messageexchange.moc"
