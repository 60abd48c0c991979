#include "qtprompts.h"
#include "singleinstance.h"
#include "updown.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void upDown_clampsStepsAndSignalsOnlyChanges_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("arrow"); // 1 up, -1 down, 0: setValue(requested)
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("expected");
        QTest::newRow("set same") << 100 << 0 << 100 << 100;
        QTest::newRow("set above maximum") << 100 << 0 << 999 << 300;
        QTest::newRow("set below minimum") << 100 << 0 << 0 << 50;
        QTest::newRow("up by increment") << 100 << 1 << 0 << 110;
        QTest::newRow("down at minimum") << 50 << -1 << 0 << 50;
    }
    void upDown_clampsStepsAndSignalsOnlyChanges()
    {
        QFETCH(int, start);
        QFETCH(int, arrow);
        QFETCH(int, requested);
        QFETCH(int, expected);
        UpDown spin;
        spin.setMinimum(50);
        spin.setMaximum(300);
        spin.setIncrement(10);
        spin.setValue(start);
        spin.show();
        QSignalSpy spy(&spin, &UpDown::changed);
        if (arrow == 0)
            spin.setValue(requested);
        else
            QTest::mouseClick(arrow > 0 ? spin.upButton() : spin.downButton(), Qt::LeftButton);
        QCOMPARE(spin.value(), expected);
        const QList<QVariantList> signalled = spy;
        QCOMPARE(signalled, QList<QVariantList>(expected == start ? 0 : 1, { expected }));
    }

    // The program's own filter texts: a description that already names its
    // patterns keeps its text.
    void filters_becomeQtEntries()
    {
        QCOMPARE(QtPrompts::toQtFilters(u"TZ setting data (*.set)|*.set|ALL files(*.*)|*.*"_qs),
            (QStringList { u"TZ setting data (*.set)"_qs, u"ALL files(*)"_qs }));
    }

    void secondHolder_isRefusedUntilTheFirstLetsGo()
    {
        QTemporaryDir dir;
        auto first = std::make_unique<SingleInstance>(u"tz"_qs, dir.path());
        SingleInstance second(u"tz"_qs, dir.path());
        QVERIFY(first->tryLock());
        QVERIFY(!second.tryLock());
        first.reset();
        QVERIFY(second.tryLock());
    }
};

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
