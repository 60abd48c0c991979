#include "placement.h"
#include "singleinstance.h"
#include "updown.h"

#include <QtTest>
#include <QtWidgets>

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    void upDown_clampsStepsAndSignalsOnlyChanges_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("arrow"); // 1 up, -1 down, 0: setValue, 2: setMinimum(requested)
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("expected");
        QTest::newRow("set same") << 100 << 0 << 100 << 100;
        QTest::newRow("set above maximum") << 100 << 0 << 999 << 300;
        QTest::newRow("set below minimum") << 100 << 0 << 0 << 50;
        QTest::newRow("up by increment") << 100 << 1 << 0 << 110;
        QTest::newRow("down at minimum") << 50 << -1 << 0 << 50;
        QTest::newRow("minimum raised, silently") << 100 << 2 << 200 << 200;
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
        if (arrow == 2)
            spin.setMinimum(requested);
        else if (arrow == 0)
            spin.setValue(requested);
        else
            QTest::mouseClick(arrow > 0 ? spin.upButton() : spin.downButton(), Qt::LeftButton);
        QCOMPARE(spin.value(), expected);
        const QList<QVariantList> signalled = spy;
        QCOMPARE(
            signalled, QList<QVariantList>(expected == start || arrow == 2 ? 0 : 1, { expected }));
    }

    // Screens at 1x (1920 x 1080) and 2x (960 x 540 device-independent), the
    // second beside the first; the anchor is the main window when beside.
    void placement_keepsWindowsWhollyOnScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("anchor"); // empty: only kept on screen
        QTest::addColumn<int>("minimumWidth"); // when beside
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("expected");
        const QRect one(0, 0, 1920, 1080);
        const QRect two(0, 0, 960, 540);
        const QRect second(1920, 0, 960, 540);
        const QRect none;
        const auto kept = [&](const char* name, QRect window, QRect screen, QRect expected) {
            QTest::newRow(name) << window << none << 0 << screen << expected;
        };
        kept("1x on screen", { 100, 100, 475, 377 }, one, { 100, 100, 475, 377 });
        kept("1x right edge", { 1597, 100, 475, 377 }, one, { 1445, 100, 475, 377 });
        kept("1x bottom left", { -40, 900, 475, 377 }, one, { 0, 703, 475, 377 });
        kept("2x larger", { -5, 5, 1000, 600 }, two, { 0, 0, 1000, 600 });
        kept("second screen", { 2600, 300, 475, 377 }, second, { 2405, 163, 475, 377 });
        const QRect size(0, 0, 640, 560);
        QTest::newRow("beside right")
            << size << QRect(100, 100, 438, 420) << 300 << one << QRect(538, 100, 640, 560);
        QTest::newRow("beside left")
            << size << QRect(1300, 100, 438, 420) << 300 << one << QRect(660, 100, 640, 560);
        QTest::newRow("centred, narrower") << size << QRect(421, 100, 438, 420) << 400
                                           << QRect(0, 0, 1280, 800) << QRect(859, 100, 421, 560);
        QTest::newRow("2x no room, over it")
            << size << QRect(300, 0, 438, 420) << 500 << two << QRect(0, 0, 500, 560);
    }
    void placement_keepsWindowsWhollyOnScreen()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, anchor);
        QFETCH(QRect, screen);
        QFETCH(int, minimumWidth);
        const QRect placed = anchor.isNull()
            ? Placement::keptOnScreen(window, screen)
            : Placement::beside(window.size(), minimumWidth, anchor, screen);
        QTEST(placed, "expected");
    }

    // Escape closes the box with Copy as it does a box with OK alone.
    // What a crash leaves, a lock with this process's ID held by no one, is
    // taken over.
    void secondHolder_isRefusedUntilTheFirstLetsGo()
    {
        QTemporaryDir dir;
        auto first = std::make_unique<SingleInstance>(u"tz"_qs, dir.path());
        SingleInstance second(u"tz"_qs, dir.path());
        QVERIFY(first->tryLock());
        QVERIFY(!second.tryLock());
        QFile file(first->lockPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray left = file.readAll();
        file.close();
        first.reset();
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(left) == left.size());
        file.close();
        QVERIFY(second.tryLock());
    }

    void staleLock_isTakenOver_data()
    {
        QTest::addColumn<qint64>("recorded");
        QTest::addColumn<bool>("alive");
        QTest::addColumn<bool>("stale");
        const qint64 own = QCoreApplication::applicationPid();
        QTest::newRow("own ID, from a crashed copy") << own << true << true;
        QTest::newRow("another copy that runs") << own + 1 << true << false;
        QTest::newRow("another copy that is gone") << own + 1 << false << true;
    }
    void staleLock_isTakenOver()
    {
        QFETCH(qint64, recorded);
        QFETCH(bool, alive);
        QTEST(
            SingleInstance::isStale(recorded, QCoreApplication::applicationPid(), alive), "stale");
    }
};

QTEST_MAIN(TstPlatform)
#include "tst_platform.moc"
