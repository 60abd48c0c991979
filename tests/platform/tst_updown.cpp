#include "updown.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TstUpDown : public QObject {
    Q_OBJECT
private slots:
    void setValue_clampsAndSignalsOnlyRealChanges_data();
    void setValue_clampsAndSignalsOnlyRealChanges();
    void arrowClick_stepsByIncrementWithinLimits_data();
    void arrowClick_stepsByIncrementWithinLimits();
    void heldArrow_repeatsUntilReleased();
    void disabledControl_ignoresClicks();
    void limitChanges_clampSilently();
    void arrows_carryAccessibleNames();
};

void TstUpDown::setValue_clampsAndSignalsOnlyRealChanges_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("changes");
    QTest::newRow("inside") << 30 << 45 << 45 << 1;
    QTest::newRow("same value") << 30 << 30 << 30 << 0;
    QTest::newRow("above maximum") << 30 << 99 << 60 << 1;
    QTest::newRow("below minimum") << 30 << 0 << 25 << 1;
    QTest::newRow("above maximum while at maximum") << 60 << 61 << 60 << 0;
}

void TstUpDown::setValue_clampsAndSignalsOnlyRealChanges()
{
    QFETCH(int, start);
    QFETCH(int, requested);
    QFETCH(int, expected);
    QFETCH(int, changes);
    UpDown spin;
    spin.setMinimum(25);
    spin.setMaximum(60);
    spin.setValue(start);
    QSignalSpy spy(&spin, &UpDown::changed);
    spin.setValue(requested);
    QCOMPARE(spin.value(), expected);
    QCOMPARE(spy.count(), changes);
    if (changes)
        QCOMPARE(spy.first().first().toInt(), expected);
}

void TstUpDown::arrowClick_stepsByIncrementWithinLimits_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("expected");
    QTest::newRow("up") << 100 << true << 110;
    QTest::newRow("down") << 100 << false << 90;
    QTest::newRow("up stops at maximum") << 295 << true << 300;
    QTest::newRow("down stops at minimum") << 55 << false << 50;
    QTest::newRow("down at minimum stays") << 50 << false << 50;
}

void TstUpDown::arrowClick_stepsByIncrementWithinLimits()
{
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(int, expected);
    UpDown spin;
    spin.setMinimum(50);
    spin.setMaximum(300);
    spin.setIncrement(10);
    spin.setValue(start);
    spin.show();
    QSignalSpy spy(&spin, &UpDown::changed);
    QTest::mouseClick(up ? spin.upButton() : spin.downButton(), Qt::LeftButton);
    QCOMPARE(spin.value(), expected);
    QCOMPARE(spy.count(), expected == start ? 0 : 1);
}

void TstUpDown::heldArrow_repeatsUntilReleased()
{
    UpDown spin;
    spin.setMaximum(1000);
    spin.show();
    QSignalSpy spy(&spin, &UpDown::changed);
    QTest::mousePress(spin.upButton(), Qt::LeftButton);
    QTRY_VERIFY(spin.value() >= 3);
    QTest::mouseRelease(spin.upButton(), Qt::LeftButton);
    const int released = spin.value();
    QVERIFY(!spy.wait(400));
    QCOMPARE(spin.value(), released);
}

void TstUpDown::disabledControl_ignoresClicks()
{
    UpDown spin;
    spin.setValue(5);
    spin.show();
    spin.setEnabled(false);
    QTest::mouseClick(spin.upButton(), Qt::LeftButton);
    QCOMPARE(spin.value(), 5);
    QVERIFY(!spin.upButton()->isEnabled());
}

void TstUpDown::limitChanges_clampSilently()
{
    UpDown spin;
    QSignalSpy spy(&spin, &UpDown::changed);
    spin.setMinimum(100);
    spin.setMaximum(10000);
    QCOMPARE(spin.value(), 100);
    QCOMPARE(spin.minimum(), 100);
    QCOMPARE(spin.maximum(), 10000);
    QCOMPARE(spy.count(), 0);
}

void TstUpDown::arrows_carryAccessibleNames()
{
    UpDown spin;
    QCOMPARE(spin.upButton()->accessibleName(), QStringLiteral("Up"));
    QCOMPARE(spin.downButton()->accessibleName(), QStringLiteral("Down"));
    QCOMPARE(spin.size(), QSize(17, 19));
}

QTEST_MAIN(TstUpDown)
#include "tst_updown.moc"
