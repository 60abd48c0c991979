#include "batteryresistance.h"
#include "cellcount.h"
#include "logreply.h"
#include "logstatistics.h"

#include <QTest>

namespace {
QString reply(const QString& group) { return u"br"_qs + group.repeated(SampleStore::Count); }
double voc(int n) { return 16.6 - 1.4 * n / SampleStore::Count; }

// Throttle steps every 7 s between low and high amps, Voc falling, both
// channels rounded to the log's 0.1 V and 10 A.
SampleStore flight(double milliohms, double low, double high)
{
    SampleStore s;
    s.held = true;
    quint32 seed = 7;
    double amps = low;
    for (int n = 1; n <= SampleStore::Count; ++n) {
        seed = n % 7 == 1 ? seed * 1103515245u + 12345u : seed;
        amps = n % 7 == 1 ? low + (high - low) * ((seed >> 16) % 1000) / 999.0 : amps;
        s.ampsAt(n) = float(std::round(amps / 10) * 10);
        s.voltsAt(n) = float(std::round((voc(n) - amps * milliohms / 1000) * 10) / 10);
    }
    return s;
}
}

// The log as the controller sends it, and the figures of a span of it.
class TestLogStatistics : public QObject {
    Q_OBJECT

private slots:
    void reply_decodesEachFieldOrMarksItMissing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("volt");
        QTest::addColumn<float>("cur");
        auto at = [](int n, const QString& group) {
            return reply(u"0000"_qs).replace(4 * n - 2, 4, group);
        };
        QTest::newRow("FF64") << at(1, u"FF64"_qs) << 1 << -1.0f << 190.0f;
        QTest::newRow("60FF") << at(512, u"60FF"_qs) << 512 << 7.5f << -1.0f;
        QTest::newRow("lower case") << at(55, u"a0a0"_qs) << 55 << 12.4f << 300.0f;
        QTest::newRow("past the last group")
            << reply(u"6064"_qs) + u"G\r"_qs << 512 << 7.5f << 190.0f;
        // A broken reply leaves the store as it was (42); the link tests break it elsewhere.
        QTest::newRow("non-hex last")
            << reply(u"0000"_qs).replace(2049, 1, u"+"_qs) << 1 << 42.0f << 42.0f;
    }
    void reply_decodesEachFieldOrMarksItMissing()
    {
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(float, volt);
        SampleStore store;
        store.volt.fill(42);
        store.cur.fill(42);
        QCOMPARE(decodeLogReply(text, store), volt != 42.0f);
        QCOMPARE(store.held, volt != 42.0f);
        QCOMPARE(store.voltsAt(n), volt);
        QTEST(store.ampsAt(n), "cur");
    }

    void figures_leaveOutMissingSamples_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("lines");
        // Odd samples 12 V 100 A, even 11 V 200 A. Over 100..199 the voltage
        // lacks 150, 160 (98 left, 1128 V), the current 151, 152, 160 (97 left,
        // 14500 A s = 4027.8 mAh); 96 samples have both: 49 x 1200 + 47 x 2200 W s.
        QTest::newRow("100-199 with gaps")
            << true << 100 << 199
            << u"100-199s 100s|min 11.0 mean 11.5 max 12.0V|mean 149 max 200A|4028mAh 45.06Wh|"
               "missing 2V 3A"_qs;
        QTest::newRow("one sample")
            << true << 101 << 101
            << u"101-101s 1s|min 12.0 mean 12.0 max 12.0V|mean 100 max 100A|28mAh 0.33Wh|"
               "missing 0V 0A"_qs;
        QTest::newRow("one sample, no current")
            << true << 151 << 151
            << u"151-151s 1s|min 12.0 mean 12.0 max 12.0V|mean - max -A|-mAh -Wh|missing 0V 1A"_qs;
        QTest::newRow("no log held")
            << false << 1 << 512
            << u"1-512s 512s|min - mean - max -V|mean - max -A|-mAh -Wh|missing 512V 512A"_qs;
    }
    void figures_leaveOutMissingSamples()
    {
        QFETCH(bool, held);
        QFETCH(int, first);
        QFETCH(int, last);
        SampleStore store;
        store.held = held;
        for (int n = 1; n <= SampleStore::Count; ++n) {
            store.voltsAt(n) = n % 2 ? 12.0f : 11.0f;
            store.ampsAt(n) = n % 2 ? 100.0f : 200.0f;
        }
        store.voltsAt(150) = store.voltsAt(160) = SampleStore::Missing;
        store.ampsAt(151) = store.ampsAt(152) = store.ampsAt(160) = SampleStore::Missing;
        QTEST(logStatisticsLines(logStatistics(store, first, last)).join(u'|'), "lines");
    }

    void resistance_comesWithinItsIntervalOrNotAtAll_data()
    {
        QTest::addColumn<double>("milliohms");
        QTest::addColumn<double>("low"); // amps
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("last");
        QTest::newRow("10 mOhm") << 10.0 << 0.0 << 250.0 << 512;
        QTest::newRow("30 mOhm, span") << 30.0 << 0.0 << 200.0 << 140;
        QTest::newRow("100 mOhm") << 100.0 << 0.0 << 80.0 << 512;
        QTest::newRow("50 A of load change") << 30.0 << 100.0 << 150.0 << 512;
        QTest::newRow("40 A: not enough") << 30.0 << 100.0 << 140.0 << 512;
        QTest::newRow("flat current") << 30.0 << 100.0 << 100.0 << 512;
    }
    void resistance_comesWithinItsIntervalOrNotAtAll()
    {
        QFETCH(double, milliohms);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, last);
        SampleStore store = flight(milliohms, low, high);
        const ResistanceEstimate r = BatteryResistance::estimate(store, 80, last);
        QCOMPARE(r.known(), high - low >= BatteryResistance::MinCurrentRange);
        QCOMPARE(BatteryResistance::text(r) == u"not enough load change"_qs, !r.known());
        if (!r.known())
            return;
        QVERIFY2(qAbs(r.milliohms - milliohms) <= 0.15 * milliohms && r.low <= milliohms
                && milliohms <= r.high && r.windows > 0,
            qPrintable(BatteryResistance::text(r)));
        const float resting = BatteryResistance::restingVoltsAt(store, 99, r);
        QVERIFY(qAbs(resting - voc(99)) < 0.1 + 0.15 * store.ampsAt(99) * milliohms / 1000);
        store.ampsAt(99) = SampleStore::Missing;
        QCOMPARE(BatteryResistance::restingVolts(store, r)[98], SampleStore::Missing);
    }

    void cellCount_onlyWhereOneCountFits_data()
    {
        QTest::addColumn<Chemistry>("chemistry");
        QTest::addColumn<float>("volts"); // at rest, after 3 s under load
        QTest::addColumn<float>("amps");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* tag, Chemistry c, float v, float a, const QString& text) {
            QTest::newRow(tag) << c << v << a << text;
        };
        row("LiPo 4S empty", Chemistry::LiPo, 14.0f, 0, u"4S LiPo, 14.0 V at rest"_qs);
        row("LiPo 4S full", Chemistry::LiPo, 16.8f, 10, u"4S LiPo, 16.8 V at rest"_qs);
        row("LiPo 1S empty", Chemistry::LiPo, 3.5f, 0, u"1S LiPo, 3.5 V at rest"_qs);
        row("LiPo between", Chemistry::LiPo, 13.9f, 0,
            u"13.9 V at rest fits no LiPo pack: say how many cells"_qs);
        row("LiFe 4S empty", Chemistry::LiFe, 12.0f, 0, u"4S LiFe, 12.0 V at rest"_qs);
        row("LiFe 4S full", Chemistry::LiFe, 14.4f, 0, u"4S LiFe, 14.4 V at rest"_qs);
        row("LiFe 5S or 6S", Chemistry::LiFe, 18.0f, 0,
            u"18.0 V at rest fits 5, 6 cells: say how many"_qs);
        row("NiMH 3S full", Chemistry::NiMH, 4.3f, 0, u"3S NiMH, 4.3 V at rest"_qs);
        row("NiMH 4S or 5S", Chemistry::NiMH, 5.8f, 0,
            u"5.8 V at rest fits 4, 5 cells: say how many"_qs);
        row("NiMH below", Chemistry::NiMH, 1.1f, 0,
            u"1.1 V at rest fits no NiMH pack: say how many cells"_qs);
        row("no rest", Chemistry::LiPo, 16.0f, 20,
            u"The log has no seconds at rest: say how many cells"_qs);
    }
    void cellCount_onlyWhereOneCountFits()
    {
        QFETCH(Chemistry, chemistry);
        QFETCH(float, volts);
        QFETCH(float, amps);
        SampleStore store;
        store.held = true;
        for (int n = 1; n <= SampleStore::Count; ++n) {
            const bool rest = n > 3 && n < 12;
            store.voltsAt(n) = rest ? volts : volts - 1;
            store.ampsAt(n) = rest ? amps : 100;
        }
        QTEST(CellCounting::text(CellCounting::count(store, chemistry), chemistry), "text");
    }
};

QTEST_MAIN(TestLogStatistics)
#include "tst_logstatistics.moc"
