#include "logreply.h"
#include "logstatistics.h"

#include <QTest>

namespace {
QString reply(const QString& group) { return u"br"_qs + group.repeated(SampleStore::Count); }
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
};

QTEST_MAIN(TestLogStatistics)
#include "tst_logstatistics.moc"
