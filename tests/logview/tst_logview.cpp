#include "../app/fakeprompts.h"
#include "cursorreadout.h"
#include "loglayout.h"
#include "logpicture.h"
#include "logreply.h"
#include "logwindow.h"
#include "objectnames.h"
#include "pixels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

const QRgb Background = qRgb(224, 224, 224);
const QRgb Grid = qRgb(128, 128, 128);
const QRgb Volt = qRgb(0, 0, 255);
const QRgb Cur = qRgb(192, 0, 192);

QString reply(const QString& group) { return u"br"_qs + group.repeated(SampleStore::Count); }

// Rows drawn in grid colour from edge to edge; turn the image for columns.
int fullGridRows(const QImage& image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y)
        rows += countIn(image, Grid, QRect(0, y, image.width(), 1)) == image.width();
    return rows;
}

struct Fixture {
    SampleStore store;
    std::array<int16_t, 2> scaleLine { 0, 0 };
    QStringList writes;
    QPointer<LogWindow> log;

    ~Fixture() { delete log; }
    LogWindow* open(QWidget* mainWindow = nullptr)
    {
        log = new LogWindow(
            store, scaleLine,
            [this](int index, bool on) { writes << u"%1=%2"_qs.arg(index).arg(int(on)); },
            mainWindow);
        return log;
    }
    QImage graph() const
    {
        return log->findChild<LogPicture*>()->surface().toImage().convertToFormat(
            QImage::Format_RGB32);
    }
};

} // namespace

class TestLogView : public QObject {
    Q_OBJECT
private slots:
    void layout_fitsTheGraphToTheWindowAndSnapsToTheMinimum()
    {
        const LogLayout::Result r = LogLayout::layout(7000, 5200);
        QVERIFY(!r.snapTo && !LogLayout::layout(5070, 4600).snapTo);
        const LogLayout::Rect& pic = r.placement.picLog;
        QCOMPARE(QRectF(pic.left, pic.top, pic.width, pic.height), QRectF(540, 1020, 5800, 3100));
        QCOMPARE(LogLayout::layout(5069, 5200).snapTo->width, 5070.0f);
        QCOMPARE(LogLayout::layout(7000, 4000).snapTo->height, 4600.0f);
    }

    void cursor_showsTheSampleUnderThePointerOrHides_data()
    {
        QTest::addColumn<float>("t");
        QTest::addColumn<float>("p");
        QTest::addColumn<QString>("text"); // empty: hidden
        QTest::newRow("t = 0") << 0.0f << 50.0f << QString();
        QTest::newRow("values") << 12.0f << 50.0f << u"12s 7.5V 190A"_qs;
        QTest::newRow("missing") << 13.0f << 50.0f << u"13s V A"_qs;
        QTest::newRow("512 of 540") << 512.0f << 50.0f << u"512s 0V 0A"_qs;
        QTest::newRow("513 of 540") << 513.0f << 50.0f << QString();
        QTest::newRow("p = 0") << 12.0f << 0.4f << QString();
        QTest::newRow("p = 100") << 12.0f << 99.6f << QString();
    }
    void cursor_showsTheSampleUnderThePointerOrHides()
    {
        QFETCH(float, t);
        QFETCH(float, p);
        QFETCH(QString, text);
        SampleStore store;
        store.voltsAt(12) = 7.5f;
        store.ampsAt(12) = 190;
        store.voltsAt(13) = store.ampsAt(13) = -1;
        // Graph outer 5805 x 3105 twips at 540, 1020; inner 30 twips less each side.
        const CursorReadout r
            = readCursor(t * 5745 / 540, p * 3045 / 100, 540, 1020, 5805, 3105, store);
        QCOMPARE(r.visible, !text.isEmpty());
        QCOMPARE(r.lines.join(u' '), text);
    }

    // Near any edge of the screen the log window keeps its place beside the
    // main window where it can, else moves the least onto the screen; Escape
    // closes it. Run at 1x and 2x.
    void logWindow_liesOnTheMainWindowsScreen()
    {
        for (const QPoint edge :
            { QPoint(0, 0), QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1) }) {
            QWidget main;
            main.resize(430, 395);
            const QRect screen = main.screen()->availableGeometry();
            const QPoint room = QPoint(screen.width(), screen.height()) - QPoint(430, 395);
            main.move(screen.topLeft()
                + QPoint(room.x() * (edge.x() + 1), room.y() * (edge.y() + 1)) / 2);
            main.show();
            Fixture f;
            f.open(&main)->showStore();
            QVERIFY(QTest::qWaitForWindowExposed(f.log));
            QVERIFY(screen.contains(f.log->frameGeometry()));
            if (edge.x() <= 0)
                QCOMPARE(f.log->x(), main.x() + 133); // 2000 twips
            QTest::keyClick(f.log->findChild<LogPicture*>(), Qt::Key_Escape);
            QTRY_VERIFY(!f.log);
        }
    }

    void scaleLines_followTheBoxesAndAreKept_data()
    {
        QTest::addColumn<int>("index");
        // Lines at 0 to 9 V or 0 to 250 A; those at 0 lie just below the bottom edge.
        QTest::addColumn<int>("lines");
        QTest::newRow("voltage") << 0 << 9;
        QTest::newRow("current") << 1 << 5;
    }
    void scaleLines_followTheBoxesAndAreKept()
    {
        QFETCH(int, index);
        Fixture f;
        decodeLogReply(reply(u"FFFF"_qs), f.store);
        f.open()->showStore();
        QVERIFY(QTest::qWaitForWindowExposed(f.log));
        // No sample: background, lines every 30 s and the ticks of both axes only.
        const QImage image = f.graph();
        const int sw = image.width();
        const int sh = image.height();
        QCOMPARE(countIn(image, Background) + countIn(image, Grid), sw * sh);
        QCOMPARE(fullGridRows(image.transformed(QTransform().rotate(90))), 18);
        QCOMPARE(fullGridRows(image), 0);
        QCOMPARE(countIn(image, Grid, QRect(2, 0, 1, sh)), 9);
        QCOMPARE(countIn(image, Grid, QRect(sw - 3, 0, 1, sh)), 5);

        auto box = [&f](int i) {
            return f.log->findChild<QCheckBox*>(ObjectName::indexed(ObjectName::ScaleLineBox, i));
        };
        const QString key = u"%1="_qs.arg(index);
        QTest::mouseClick(box(index), Qt::LeftButton);
        QCOMPARE(f.writes, QStringList { key + u'1' });
        QTEST(fullGridRows(f.graph()), "lines");
        QTest::mouseClick(box(index), Qt::LeftButton);
        QCOMPARE(f.writes, (QStringList { key + u'1', key + u'0' }));
        QCOMPARE(fullGridRows(f.graph()), 0);
        QTest::mouseClick(box(index), Qt::LeftButton);
        delete f.log;
        f.open()->showStore();
        QVERIFY(box(index)->isChecked() && !box(1 - index)->isChecked());
        QTEST(fullGridRows(f.graph()), "lines");
    }

    void curves_standAtTheirLevelsUntilSample512AndRedrawInPlace()
    {
        Fixture f;
        f.store.volt.fill(2.5f);
        f.store.cur.fill(150);
        for (int n = 200; n < 240; ++n)
            f.store.voltsAt(n) = f.store.ampsAt(n) = -1;
        LogWindow* log = f.open();
        log->showStore();
        QImage image = f.graph();
        const int sw = image.width();
        const int sh = image.height();
        auto x = [sw](int n) { return n * sw / 540; };
        // 2.5 V lies three quarters down, 150 A half way: each curve a level line
        // from x = 0 to sample 512, with no stroke up from the bottom after the gap.
        for (const auto& [colour, level] : { std::pair { Volt, 0.75 }, std::pair { Cur, 0.5 } }) {
            QVERIFY(countIn(image, colour, QRect(0, 0, 1, sh)) > 0);
            QCOMPARE(countIn(image, colour, QRect(0, int(level * sh) - 3, sw, 7)),
                countIn(image, colour));
            QVERIFY(countIn(image, colour, QRect(x(512) - 2, 0, 1, sh)) > 0);
            QCOMPARE(countIn(image, colour, QRect(x(512) + 2, 0, sw, sh)), 0);
            QCOMPARE(
                countIn(image, colour, QRect(QPoint(x(199) + 2, 0), QPoint(x(239) - 2, sh))), 0);
        }
        log->setGeometry(QRect(QPoint(150, 120), QSize(600, 450)));
        const QRect placed = log->geometry();
        // 12.4 V on the axis that then ends at 20 V; 380 A above the top edge.
        decodeLogReply(reply(u"A0C8"_qs), f.store);
        log->showStore();
        QCOMPARE(log->geometry(), placed);
        image = f.graph();
        const int y = int(0.38 * image.height());
        QCOMPARE(countIn(image, Volt, QRect(0, y - 3, image.width(), 7)), countIn(image, Volt));
        QCOMPARE(countIn(image, Cur), 0);
    }

    // A pack at rest at 5.8 V is 4 or 5 NiMH cells: the user is asked once for
    // the log, after it is shown and no operation runs.
    void cellQuestion_waitsForTheOperationAndComesOnce_data()
    {
        QTest::addColumn<bool>("running"); // when the log is shown
        QTest::addColumn<std::optional<int>>("choice");
        QTest::addColumn<int>("cells");
        QTest::newRow("idle, 5S picked") << false << std::optional(1) << 5;
        QTest::newRow("during a Get, cancelled") << true << std::optional<int>() << 0;
    }
    void cellQuestion_waitsForTheOperationAndComesOnce()
    {
        QFETCH(bool, running);
        QFETCH(std::optional<int>, choice);
        Fixture f;
        f.store.volt.fill(5.8f);
        f.store.cur.fill(0);
        f.store.held = true;
        FakePrompts prompts;
        prompts.choice = choice;
        LogWindow* log = f.open();
        log->setPrompts(&prompts);
        log->setChemistry(Chemistry::NiMH, {});
        log->setOperationRunning(running);
        log->showStore();
        QVERIFY(prompts.messages.isEmpty() && log->isVisible());
        if (running) {
            QCoreApplication::processEvents();
            QVERIFY(prompts.messages.isEmpty());
            log->setOperationRunning(false);
        }
        QTRY_COMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0], u"5.8 V at rest fits 4, 5 cells: say how many"_qs);
        QTEST(log->scene().cells, "cells");
        // Another operation's end, or the chemistry named again: no second
        // question for the same log.
        log->setOperationRunning(true);
        log->setOperationRunning(false);
        emit log->findChild<QComboBox*>(ObjectName::ChemistryBox)->activated(3);
        QCoreApplication::processEvents();
        QCOMPARE(prompts.messages.size(), 1);
    }
};

QTEST_MAIN(TestLogView)
#include "tst_logview.moc"
