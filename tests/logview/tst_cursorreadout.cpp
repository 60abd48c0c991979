#include "cursorreadout.h"

#include <QTest>

namespace {

// A graph of whole pixels: outer 387 x 207 px, inner 5745 x 3045 twips.
constexpr float PL = 540;
constexpr float PT = 1020;
constexpr float PW = 5805;
constexpr float PH = 3105;
constexpr float InnerW = PW - 60;
constexpr float InnerH = PH - 60;

float atSample(float t) { return t * InnerW / 540; }
float atPercent(float p) { return p * InnerH / 100; }

} // namespace

class TestCursorReadout : public QObject {
    Q_OBJECT
private slots:
    void pointer_showsSampleUnderItOrHides_data();
    void pointer_showsSampleUnderItOrHides();
    void box_followsPointerAlsoWhenHidden_data();
    void box_followsPointerAlsoWhenHidden();
};

void TestCursorReadout::pointer_showsSampleUnderItOrHides_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("t");
    QTest::addColumn<QStringList>("lines"); // empty: hidden

    const float mid = atPercent(50);
    QTest::newRow("left edge: t = 0") << 0.0f << mid << 0 << QStringList();
    QTest::newRow("just under half a second") << atSample(0.45f) << mid << 0 << QStringList();
    QTest::newRow("half a second rounds up")
        << atSample(0.55f) << mid << 1 << QStringList { u"1s"_qs, u"V"_qs, u"0A"_qs };
    QTest::newRow("sample 12") << atSample(12) << mid << 12
                               << QStringList { u"12s"_qs, u"7.5V"_qs, u"190A"_qs };
    QTest::newRow("missing values show only units")
        << atSample(13) << mid << 13 << QStringList { u"13s"_qs, u"V"_qs, u"A"_qs };
    QTest::newRow("above the axis shown in full")
        << atSample(14) << mid << 14 << QStringList { u"14s"_qs, u"12.4V"_qs, u"380A"_qs };
    QTest::newRow("last sample") << atSample(512) << mid << 512
                                 << QStringList { u"512s"_qs, u"10V"_qs, u"300A"_qs };
    QTest::newRow("past the log") << atSample(513) << mid << 513 << QStringList();
    QTest::newRow("top band: p = 0") << atSample(12) << atPercent(0.4f) << 12 << QStringList();
    QTest::newRow("top edge") << atSample(12) << 0.0f << 12 << QStringList();
    QTest::newRow("p = 1 shows") << atSample(12) << atPercent(0.6f) << 12
                                 << QStringList { u"12s"_qs, u"7.5V"_qs, u"190A"_qs };
    QTest::newRow("p = 99 shows") << atSample(12) << atPercent(99.4f) << 12
                                  << QStringList { u"12s"_qs, u"7.5V"_qs, u"190A"_qs };
    QTest::newRow("bottom band: p = 100")
        << atSample(12) << atPercent(99.6f) << 12 << QStringList();
    QTest::newRow("left of the graph") << -30.0f << mid << -3 << QStringList();
}

void TestCursorReadout::pointer_showsSampleUnderItOrHides()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QStringList, lines);
    SampleStore store;
    store.RunVolt(1) = -1;
    store.RunVolt(12) = 7.5f;
    store.RunCur(12) = 190;
    store.RunVolt(13) = -1;
    store.RunCur(13) = -1;
    store.RunVolt(14) = 12.4f;
    store.RunCur(14) = 380;
    store.RunVolt(512) = 10;
    store.RunCur(512) = 300;
    const CursorReadout r = readCursor(x, y, PL, PT, PW, PH, store);
    QTEST(r.t, "t");
    QCOMPARE(r.visible, !lines.isEmpty());
    QCOMPARE(r.lines, lines);
}

void TestCursorReadout::box_followsPointerAlsoWhenHidden_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("visible");
    QTest::newRow("shown") << 1500.0f << 1200.0f << true;
    QTest::newRow("hidden past the log") << 5700.0f << 1200.0f << false;
    QTest::newRow("hidden at the top") << 1500.0f << 0.0f << false;
}

void TestCursorReadout::box_followsPointerAlsoWhenHidden()
{
    QFETCH(float, x);
    QFETCH(float, y);
    const CursorReadout r = readCursor(x, y, PL, PT, PW, PH, SampleStore());
    QTEST(r.visible, "visible");
    QCOMPARE(r.left, PL + x + 300);
    QCOMPARE(r.top, PT + y + 300);
}

QTEST_APPLESS_MAIN(TestCursorReadout)
#include "tst_cursorreadout.moc"
