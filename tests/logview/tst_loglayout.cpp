#include "loglayout.h"

#include <QTest>

class TestLogLayout : public QObject {
    Q_OBJECT
private slots:
    void initialSize_placesControlsAtDesignFigures_data();
    void initialSize_placesControlsAtDesignFigures();
    void belowMinimum_snapsWidthFirstThenHeight_data();
    void belowMinimum_snapsWidthFirstThenHeight();
};

void TestLogLayout::initialSize_placesControlsAtDesignFigures_data()
{
    QTest::addColumn<float>("actual");
    QTest::addColumn<float>("expected");
    const LogLayout::Result r = LogLayout::layout(7000, 5200);
    QVERIFY(!r.snapTo);
    const LogLayout::Placement& p = r.placement;
    QTest::newRow("PicLog.Left") << p.picLog.left << 540.0f;
    QTest::newRow("PicLog.Top") << p.picLog.top << 1020.0f;
    QTest::newRow("PicLog.Width") << p.picLog.width << 5800.0f;
    QTest::newRow("PicLog.Height") << p.picLog.height << 3100.0f;
    QTest::newRow("Frame1.Left") << p.frame1.left << 5395.0f;
    QTest::newRow("Frame2.Left stays") << p.frame2.left << 120.0f;
    QTest::newRow("CmdClose.Left centred") << p.cmdClose.left << 2712.5f;
    QTest::newRow("LblCur(0).Left") << p.lblCur[0].left << 6460.0f;
    QTest::newRow("LblCur(6).Left") << p.lblCur[6].left << 6460.0f;
    QTest::newRow("LblCur(0).Top") << p.lblCur[0].top << 4005.0f;
    QTest::newRow("LblCur(6).Top") << p.lblCur[6].top << 955.0f;
    QTest::newRow("LblCur(3).Top") << p.lblCur[3].top << 2480.0f;
    QTest::newRow("LblVolt(0).Top") << p.lblVolt[0].top << 4005.0f;
    QTest::newRow("LblVolt(10).Top") << p.lblVolt[10].top << 955.0f;
    QTest::newRow("LblVolt(5).Top") << p.lblVolt[5].top << 2480.0f;
    QTest::newRow("LblVolt(7).Left") << p.lblVolt[7].left << 0.0f;
    QTest::newRow("LblS(0).Top") << p.lblS[0].top << 4180.0f;
    QTest::newRow("LblS(9).Top") << p.lblS[9].top << 4180.0f;
    QTest::newRow("LblS(0).Left") << p.lblS[0].left << 362.5f;
    QTest::newRow("LblS(9).Left") << p.lblS[9].left << 6132.5f;
    QTest::newRow("LblTime.Top") << p.lblTime.top << 4420.0f;
    QTest::newRow("LblTime.Left") << p.lblTime.left << 3102.5f;
}

void TestLogLayout::initialSize_placesControlsAtDesignFigures()
{
    QFETCH(float, actual);
    QFETCH(float, expected);
    QCOMPARE(actual, expected);
}

void TestLogLayout::belowMinimum_snapsWidthFirstThenHeight_data()
{
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("h");
    QTest::addColumn<bool>("snaps");
    QTest::addColumn<float>("snapW");
    QTest::addColumn<float>("snapH");
    QTest::newRow("narrow") << 5000.0f << 5200.0f << true << 5070.0f << 5200.0f;
    QTest::newRow("low") << 7000.0f << 4000.0f << true << 7000.0f << 4600.0f;
    QTest::newRow("both: width first") << 3000.0f << 3000.0f << true << 5070.0f << 3000.0f;
    QTest::newRow("exactly minimum") << 5070.0f << 4600.0f << false << 0.0f << 0.0f;
    QTest::newRow("one twip short") << 5069.0f << 4600.0f << true << 5070.0f << 4600.0f;
}

void TestLogLayout::belowMinimum_snapsWidthFirstThenHeight()
{
    QFETCH(float, w);
    QFETCH(float, h);
    QFETCH(bool, snaps);
    const LogLayout::Result r = LogLayout::layout(w, h);
    QCOMPARE(r.snapTo.has_value(), snaps);
    if (!snaps) {
        QCOMPARE(r.placement.picLog.width, w - 1200);
        return;
    }
    QTEST(r.snapTo->width, "snapW");
    QTEST(r.snapTo->height, "snapH");
    const LogLayout::Result again = LogLayout::layout(r.snapTo->width, r.snapTo->height);
    if (again.snapTo) {
        QCOMPARE(again.snapTo->width, 5070.0f);
        QCOMPARE(again.snapTo->height, 4600.0f);
    }
}

QTEST_APPLESS_MAIN(TestLogLayout)
#include "tst_loglayout.moc"
