#include "linkbench.h"
#include "logreply.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <ctime>

namespace {
const QString Cr = QStringLiteral("\r");
const QString Image = QString::fromLatin1(Tz586kvEmulator::defaultImage());
constexpr double Fast = 0.05; // 3 s windows become 150 ms

double cpuSeconds() { return double(std::clock()) / CLOCKS_PER_SEC; }
}

class TestMessageExchange : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_rig = std::make_unique<LinkBench>();
        QVERIFY(m_rig->start());
        m_rig->model().setDelayScale(0.3); // "ae" and "be" think for 300 ms
    }

    void exchange_endsOnTerminatorElseTimesOutAfterItsWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("terminator");
        QTest::addColumn<int>("windowMs");
        QTest::addColumn<int>("replyLength");
        QTest::newRow("sr") << u"sr"_qs << Cr << 3000 << 68;
        QTest::newRow("sw") << u"sw"_qs << u"sw"_qs << 3000 << 2;
        QTest::newRow("image") << Image << Image << 3000 << 64;
        QTest::newRow("ae") << u"ae"_qs << Cr << 12000 << 1;
        QTest::newRow("br") << u"br"_qs << Cr << 10000 << 2051;
        QTest::newRow("be") << u"be"_qs << Cr << 12000 << 1;
    }
    void exchange_endsOnTerminatorElseTimesOutAfterItsWindow()
    {
        QFETCH(QString, command);
        QFETCH(QString, terminator);
        QFETCH(int, windowMs);
        QFETCH(int, replyLength);
        // "sr" at the real time base; the log needs 2.4 s on the wire.
        const double scale = command == u"sr"_qs ? 1.0 : command == u"br"_qs ? 0.35 : Fast;
        m_rig->exchange.setTimeScale(scale);
        if (command == Image)
            m_rig->exchange.send(u"sw"_qs, u"sw"_qs);
        const MessageExchange::Reply reply = m_rig->exchange.send(command, terminator);
        QVERIFY(reply.ok() && m_rig->faults.isEmpty());
        QCOMPARE(reply.text.size(), replyLength);
        QVERIFY(reply.text.endsWith(terminator));

        m_rig->model().setFault(EmulatorFault::NoAnswer);
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = cpuSeconds();
        const MessageExchange::Reply lost = m_rig->exchange.send(command, terminator);
        QVERIFY(cpuSeconds() - cpuBefore < 0.1); // the wait sleeps
        const double late = double(clock.elapsed()) - windowMs * scale;
        QVERIFY2(late >= -1 && late < 1000, qPrintable(QString::number(late)));
        QCOMPARE(lost.fault, ExchangeFault::NoAnswer);
        QCOMPARE(m_rig->faults, QList { ExchangeFault::NoAnswer });
    }

    void settingRead_failureKeepsImage_data()
    {
        QTest::addColumn<EmulatorFault>("fault");
        QTest::addColumn<QList<ExchangeFault>>("faults");
        const QList<ExchangeFault> broken { ExchangeFault::BrokenReply };
        QTest::newRow("67 characters") << EmulatorFault::ShortReply << QList<ExchangeFault> {};
        QTest::newRow("69 characters") << EmulatorFault::LongReply << QList<ExchangeFault> {};
        QTest::newRow("non-hex") << EmulatorFault::NonHex << QList { ExchangeFault::BrokenImage };
        QTest::newRow("no terminator") << EmulatorFault::NoTerminator << broken;
        QTest::newRow("terminator in the time-out pass") << EmulatorFault::None << broken;
        QTest::newRow("plug pulled halfway") << EmulatorFault::PullPlug << broken;
    }
    void settingRead_failureKeepsImage()
    {
        QFETCH(EmulatorFault, fault);
        QFETCH(QList<ExchangeFault>, faults);
        const bool pulled = fault == EmulatorFault::PullPlug;
        m_rig->exchange.setTimeScale(pulled ? 1.0 : Fast);
        m_rig->model().sendNow("stale\r"); // must not pass for the reply
        const std::optional<SettingReply> good = m_rig->exchange.readSettings();
        QVERIFY(good && good->image == Image && good->romVersion == 0x15);
        m_rig->model().setFault(fault);
        if (fault == EmulatorFault::None) {
            // Connected after the exchange's own tick: the reply lands in the same pass.
            m_rig->line->blockSignals(true);
            auto* window = m_rig->exchange.findChild<QTimer*>(u"replyWindow"_qs);
            QVERIFY(window);
            connect(window, &QTimer::timeout, m_rig->line.get(), [this] {
                m_rig->line->blockSignals(false);
                emit m_rig->line->readyRead();
            });
        }
        QSignalSpy lost(m_rig->line.get(), &SerialLine::lost);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!m_rig->exchange.readSettings());
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(m_rig->faults, faults);

        const double cpuBefore = cpuSeconds();
        m_rig->exchange.delay(0.3); // a lost port must not flood errors
        QVERIFY(cpuSeconds() - cpuBefore < 0.1);
        QCOMPARE(lost.size(), pulled ? 1 : 0);
        QCOMPARE(m_rig->line->isOpen(), !pulled);
    }

    // A peer that streams without a CR: the exchange fails as soon as more
    // than any reply has come, and a line no one reads keeps no more than its limit.
    void endlessReply_failsAtOnceAndNothingGrows_data() { lineKindRows(); }
    void endlessReply_failsAtOnceAndNothingGrows()
    {
        QFETCH(LineKind, kind);
        LinkBench rig(kind);
        QVERIFY(rig.start());
        const QByteArray flood(4 << 20, '5');
        connect(&rig.model(), &ControllerModel::commandReceived, this,
            [&] { rig.model().sendNow(flood); });
        const QDeadlineTimer soon(1000); // long before the log itself would have come
        const MessageExchange::Reply reply = rig.exchange.send(u"br"_qs, Cr);
        QCOMPARE(reply.fault, ExchangeFault::BrokenReply);
        QVERIFY(!soon.hasExpired());
        QCOMPARE(rig.faults, QList { ExchangeFault::BrokenReply });
        QVERIFY(reply.text.size() <= LogReplyLength + 1);

        rig.line->disconnect(&rig.exchange);
        QSignalSpy arrived(rig.line.get(), &SerialLine::readyRead);
        rig.model().sendNow(flood);
        QTRY_VERIFY(!arrived.isEmpty());
        QVERIFY(rig.line->readAll().size() <= SerialLine::InputLimit);
    }

    void sendOnClosedLine_refusedAtOnceWithBox()
    {
        m_rig->exchange.setTimeScale(1.0);
        m_rig->line->close();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(m_rig->exchange.send(u"sr"_qs, Cr).fault, ExchangeFault::NoAnswer);
        QVERIFY(clock.elapsed() < 1500);
        QCOMPARE(m_rig->faults, QList { ExchangeFault::NoAnswer });
    }

private:
    std::unique_ptr<LinkBench> m_rig;
};

QTEST_GUILESS_MAIN(TestMessageExchange)
#include "tst_messageexchange.moc"
