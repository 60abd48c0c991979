#include "cursorreadout.h"
#include "loglayout.h"
#include "logpicture.h"
#include "logreply.h"
#include "logwindow.h"

#include <QCheckBox>
#include <QPointer>
#include <QTest>
#include <cmath>

namespace {

const QRgb Background = qRgb(224, 224, 224);
const QRgb Grid = qRgb(128, 128, 128);
const QRgb Volt = qRgb(0, 0, 255);
const QRgb Cur = qRgb(192, 0, 192);

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }
int timeX(int n, int sw) { return nearest(n * static_cast<double>(sw) / 540); }
int voltY(double v, int sh) { return nearest((10.01 - v) * sh / 10.01); }
int curY(double a, int sh) { return nearest((300.33 - a) * sh / 300.33); }
QString reply(const QString& group) { return u"br"_qs + group.repeated(SampleStore::Count); }

int countIn(const QImage& image, QRgb colour, QRect area)
{
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}

struct Fixture {
    SampleStore store;
    std::array<int16_t, 2> scaleLine { 0, 0 };
    QStringList writes;
    QPointer<LogWindow> log;

    ~Fixture() { delete log; }
    LogWindow* open()
    {
        log = new LogWindow(
            store, scaleLine,
            [this](const QString& key, const QString& value) { writes << key + u'=' + value; },
            nullptr);
        return log;
    }
    const QPixmap& surface() const { return log->findChild<LogPicture*>()->surface(); }
    QImage graph() const { return surface().toImage().convertToFormat(QImage::Format_RGB32); }
};

} // namespace

class TestLogView : public QObject {
    Q_OBJECT
private slots:
    void reply_decodesEachFieldOrMarksItMissing_data();
    void reply_decodesEachFieldOrMarksItMissing();
    void layout_matchesTheDesignFiguresAndSnapsToTheMinimum();
    void cursor_showsTheSampleUnderThePointerOrHides_data();
    void cursor_showsTheSampleUnderThePointerOrHides();
    void emptyLog_drawsBackgroundGridAndTheScaleLinesTheBoxesAskFor_data();
    void emptyLog_drawsBackgroundGridAndTheScaleLinesTheBoxesAskFor();
    void curves_runAtTheirLevelsUntilSample512WithGapsForMissingSamples_data();
    void curves_runAtTheirLevelsUntilSample512WithGapsForMissingSamples();
    void scaleLineClicks_storeTheStateAndRedraw_data();
    void scaleLineClicks_storeTheStateAndRedraw();
    void secondSetGraph_redrawsWithoutMovingTheWindow();
    void minimised_resizeRuleDoesNothing();
};

void TestLogView::reply_decodesEachFieldOrMarksItMissing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<float>("volt");
    QTest::addColumn<float>("cur");
    QTest::addColumn<float>("rest"); // both channels of every sample after n
    auto at = [](int n, const QString& group) {
        return reply(u"0000"_qs).replace(4 * n - 2, 4, group);
    };
    QTest::newRow("FF64") << at(1, u"FF64"_qs) << 1 << -1.0f << 190.0f << 0.0f;
    QTest::newRow("60FF") << at(512, u"60FF"_qs) << 512 << 7.5f << -1.0f << 0.0f;
    QTest::newRow("0000") << at(7, u"0000"_qs) << 7 << 0.0f << 0.0f << 0.0f;
    QTest::newRow("lower case") << at(55, u"a0a0"_qs) << 55 << 12.4f << 300.0f << 0.0f;
    QTest::newRow("non-hex") << at(9, u"6G6+"_qs) << 9 << -1.0f << -1.0f << 0.0f;
    QTest::newRow("short") << reply(u"6064"_qs).left(2 + 4 * 100 + 3) << 101 << 7.5f << -1.0f
                           << -1.0f;
}

void TestLogView::reply_decodesEachFieldOrMarksItMissing()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(float, rest);
    SampleStore store;
    store.volt.fill(42);
    store.cur.fill(42);
    decodeLogReply(text, store);
    QVERIFY(store.held);
    QTEST(store.RunVolt(n), "volt");
    QTEST(store.RunCur(n), "cur");
    for (int m = n + 1; m <= SampleStore::Count; ++m) {
        QCOMPARE(store.RunVolt(m), rest);
        QCOMPARE(store.RunCur(m), rest);
    }
}

void TestLogView::layout_matchesTheDesignFiguresAndSnapsToTheMinimum()
{
    const LogLayout::Result r = LogLayout::layout(7000, 5200);
    QVERIFY(!r.snapTo && !LogLayout::layout(5070, 4600).snapTo);
    const LogLayout::Placement& p = r.placement;
    const LogLayout::Rect& pic = p.picLog;
    QCOMPARE(QRectF(pic.left, pic.top, pic.width, pic.height), QRectF(540, 1020, 5800, 3100));
    QCOMPARE(p.frame1.left, 5395.0f);
    QCOMPARE(p.lblCur[0].left, 6460.0f);
    QCOMPARE(p.lblVolt[0].top, 4005.0f);
    QCOMPARE(p.lblVolt[10].top, 955.0f);
    QCOMPARE(p.lblS[0].top, 4180.0f);
    QCOMPARE(p.lblTime.top, 4420.0f);
    QCOMPARE(LogLayout::layout(5069, 5200).snapTo->width, 5070.0f);
    QCOMPARE(LogLayout::layout(7000, 4000).snapTo->height, 4600.0f);
}

void TestLogView::cursor_showsTheSampleUnderThePointerOrHides_data()
{
    QTest::addColumn<float>("t");
    QTest::addColumn<float>("p");
    QTest::addColumn<QString>("text"); // empty: hidden
    QTest::newRow("t = 0") << 0.0f << 50.0f << QString();
    QTest::newRow("values") << 12.0f << 50.0f << u"12s 7.5V 190A"_qs;
    QTest::newRow("missing") << 13.0f << 50.0f << u"13s V A"_qs;
    QTest::newRow("12.4 V in full") << 14.0f << 50.0f << u"14s 12.4V 0A"_qs;
    QTest::newRow("512 of 540") << 512.0f << 50.0f << u"512s 0V 0A"_qs;
    QTest::newRow("513 of 540") << 513.0f << 50.0f << QString();
    QTest::newRow("p = 0") << 12.0f << 0.4f << QString();
    QTest::newRow("p = 100") << 12.0f << 99.6f << QString();
}

void TestLogView::cursor_showsTheSampleUnderThePointerOrHides()
{
    QFETCH(float, t);
    QFETCH(float, p);
    QFETCH(QString, text);
    SampleStore store;
    store.RunVolt(12) = 7.5f;
    store.RunCur(12) = 190;
    store.RunVolt(13) = store.RunCur(13) = -1;
    store.RunVolt(14) = 12.4f;
    // Graph outer 5805 x 3105 twips at 540, 1020; inner 30 twips less each side.
    const CursorReadout r
        = readCursor(t * 5745 / 540, p * 3045 / 100, 540, 1020, 5805, 3105, store);
    QCOMPARE(r.visible, !text.isEmpty());
    QCOMPARE(r.lines.join(u' '), text);
}

void TestLogView::emptyLog_drawsBackgroundGridAndTheScaleLinesTheBoxesAskFor_data()
{
    QTest::addColumn<bool>("voltLines");
    QTest::addColumn<bool>("curLines");
    QTest::newRow("ticks only") << false << false;
    QTest::newRow("voltage lines") << true << false;
    QTest::newRow("current lines") << false << true;
}

void TestLogView::emptyLog_drawsBackgroundGridAndTheScaleLinesTheBoxesAskFor()
{
    QFETCH(bool, voltLines);
    QFETCH(bool, curLines);
    Fixture f;
    f.scaleLine = { int16_t(voltLines), int16_t(curLines) };
    decodeLogReply(reply(u"FFFF"_qs), f.store);
    f.open()->showStore();
    const QImage image = f.graph();
    const int sw = image.width();
    const int sh = image.height();
    QCOMPARE(image.size(), QSize(387 - 4, 207 - 4)); // PicLog inside its border
    const int background = countIn(image, Background, image.rect());
    QCOMPARE(background + countIn(image, Grid, image.rect()), sw * sh);
    QVERIFY(background > sw * sh * 8 / 10);
    for (int x = 0; x < sw; ++x) {
        const bool every30s = nearest(nearest(x * 18.0 / sw) * sw / 18.0) == x;
        QCOMPARE(countIn(image, Grid, QRect(x, 0, 1, sh)) == sh, every30s);
    }
    const int middle = nearest(4.25 * sw / 9);
    const int row9V = nearest(sh / 10.0);
    const int row250A = nearest(sh / 6.0);
    QCOMPARE(image.pixel(2, row9V), Grid);
    QCOMPARE(image.pixel(middle, row9V) == Grid, voltLines);
    QCOMPARE(image.pixel(sw - 3, row250A), Grid);
    QCOMPARE(image.pixel(middle, row250A) == Grid, curLines);
}

void TestLogView::curves_runAtTheirLevelsUntilSample512WithGapsForMissingSamples_data()
{
    QTest::addColumn<float>("volt");
    QTest::addColumn<float>("cur");
    QTest::addColumn<bool>("shown");
    QTest::newRow("5 V, 100 A") << 5.0f << 100.0f << true;
    QTest::newRow("1.2 V, 290 A") << 1.2f << 290.0f << true;
    QTest::newRow("above the top") << 12.4f << 380.0f << false;
}

void TestLogView::curves_runAtTheirLevelsUntilSample512WithGapsForMissingSamples()
{
    QFETCH(float, volt);
    QFETCH(float, cur);
    QFETCH(bool, shown);
    Fixture f;
    f.store.volt.fill(volt);
    f.store.cur.fill(cur);
    for (int n = 200; n < 240; ++n)
        f.store.RunVolt(n) = f.store.RunCur(n) = -1;
    f.open()->showStore();
    const QImage image = f.graph();
    const int sw = image.width();
    const int sh = image.height();
    const std::pair<QRgb, int> curves[] = { { Volt, voltY(volt, sh) }, { Cur, curY(cur, sh) } };
    for (const auto& [colour, y] : curves) {
        QCOMPARE(countIn(image, colour, image.rect()) > 0, shown);
        for (const int n : { 1, 100, 240, 512 })
            QVERIFY(!shown || image.pixel(timeX(n, sw), y) == colour);
        // Nothing past sample 512, in the gap, nor a spike down where the gap ends.
        QCOMPARE(countIn(image, colour, QRect(timeX(512, sw) + 2, 0, sw, sh)), 0);
        const QRect gap(QPoint(timeX(199, sw) + 2, 0), QPoint(timeX(239, sw) - 2, sh));
        QCOMPARE(countIn(image, colour, gap), 0);
        const QRect spike(QPoint(timeX(239, sw) - 1, y + 2), QPoint(timeX(240, sw) + 1, sh));
        QCOMPARE(countIn(image, colour, spike), 0);
    }
}

void TestLogView::scaleLineClicks_storeTheStateAndRedraw_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("row"); // a row of that axis only: 9 V or 250 A
    QTest::newRow("voltage") << 0 << 0.1;
    QTest::newRow("current") << 1 << 1 / 6.0;
}

void TestLogView::scaleLineClicks_storeTheStateAndRedraw()
{
    QFETCH(int, index);
    QFETCH(double, row);
    Fixture f;
    f.open()->showStore();
    QVERIFY(QTest::qWaitForWindowExposed(f.log));
    auto box = [&f](int i) { return f.log->findChild<QCheckBox*>(u"ChkScaleLine%1"_qs.arg(i)); };
    auto lineDrawn = [&f, row] {
        const QImage image = f.graph();
        return image.pixel(nearest(4.25 * image.width() / 9), nearest(row * image.height()))
            == Grid;
    };
    const QString key = u"ScaleLine%1="_qs.arg(index);
    QTest::mouseClick(box(index), Qt::LeftButton);
    QCOMPARE(f.writes, QStringList { key + u'1' });
    QVERIFY(lineDrawn());
    QTest::mouseClick(box(index), Qt::LeftButton);
    QCOMPARE(f.writes, (QStringList { key + u'1', key + u'0' }));
    QVERIFY(!lineDrawn());
    QTest::mouseClick(box(index), Qt::LeftButton);
    delete f.log;
    f.open();
    QVERIFY(box(index)->isChecked());
    QVERIFY(!box(1 - index)->isChecked());
}

void TestLogView::secondSetGraph_redrawsWithoutMovingTheWindow()
{
    Fixture f;
    LogWindow* log = f.open();
    decodeLogReply(reply(u"60FF"_qs), f.store);
    log->showStore();
    log->setGeometry(QRect(QPoint(150, 120), QSize(600, 450)));
    const QRect placed = log->geometry();
    decodeLogReply(reply(u"FF64"_qs), f.store);
    log->showStore();
    QCOMPARE(log->geometry(), placed);
    const QImage image = f.graph();
    QCOMPARE(image.pixel(100, curY(190, image.height())), Cur);
}

void TestLogView::minimised_resizeRuleDoesNothing()
{
    Fixture f;
    LogWindow* log = f.open();
    log->showStore();
    log->showMinimized();
    QVERIFY(log->isMinimized());
    const qint64 drawn = f.surface().cacheKey();
    log->relayout();
    QCOMPARE(f.surface().cacheKey(), drawn);
}

QTEST_MAIN(TestLogView)
#include "tst_logview.moc"
