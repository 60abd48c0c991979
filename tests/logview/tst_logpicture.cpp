#include "frmlog.h"
#include "logpicture.h"

#include <QCheckBox>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <cmath>
#include <set>

namespace {

const QRgb Background = qRgb(224, 224, 224);
const QRgb Grid = qRgb(128, 128, 128);
const QRgb Volt = qRgb(0, 0, 255);
const QRgb Cur = qRgb(192, 0, 192);

int nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// The graph of a fresh log window at its initial size, as drawn.
QImage render(SampleStore& store, std::array<int16_t, 2> scaleLine = { 0, 0 })
{
    QPointer<FrmLog> log = new FrmLog(
        store, scaleLine, [](const QString&, const QString&) {}, nullptr);
    log->SetGraphFile();
    const QImage image = log->findChild<LogPicture*>(QStringLiteral("PicLog"))
                             ->surface()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    delete log;
    return image;
}

SampleStore level(float volt, float cur)
{
    SampleStore store;
    store.volt.fill(volt);
    store.cur.fill(cur);
    return store;
}

int timeX(int n, int sw) { return nearest(n * static_cast<double>(sw) / 540); }
int voltY(double v, int sh) { return nearest((10.01 - v) * sh / 10.01); }
int curY(double a, int sh) { return nearest((300.33 - a) * sh / 300.33); }

std::set<int> columnsOf(const QImage& image, QRgb colour, int y)
{
    std::set<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == colour)
            columns.insert(x);
    }
    return columns;
}

bool anyIn(const QImage& image, QRgb colour, QRect area)
{
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

std::set<int> verticalGridColumns(int sw)
{
    std::set<int> columns;
    for (int i = 0; i <= 8; ++i) {
        columns.insert(nearest(i * static_cast<double>(sw) / 9));
        columns.insert(nearest((i + 0.5) * sw / 9));
    }
    return columns;
}

} // namespace

class TestLogPicture : public QObject {
    Q_OBJECT
private slots:
    void initialGraph_isTheInnerAreaOfTheDesignSize();
    void noSamples_drawOnlyBackgroundAndGrid();
    void verticalLines_every30Seconds();
    void scaleLines_tickOrFullWidthAsTheBoxesSay_data();
    void scaleLines_tickOrFullWidthAsTheBoxesSay();
    void curves_lieAtTheirScaledHeightsInTheLegendColours_data();
    void curves_lieAtTheirScaledHeightsInTheLegendColours();
    void curves_stepAtTheSampleTime_data();
    void curves_stepAtTheSampleTime();
    void valuesAboveTheAxes_areCutOff();
    void missingSamples_leaveAGapWithoutSpike();
};

void TestLogPicture::initialGraph_isTheInnerAreaOfTheDesignSize()
{
    SampleStore store = level(-1, -1);
    const QImage image = render(store);
    // 5800 x 3100 twips outer, rounded to pixels, less the 2-pixel border.
    QCOMPARE(image.size(), QSize(387 - 4, 207 - 4));
}

void TestLogPicture::noSamples_drawOnlyBackgroundAndGrid()
{
    SampleStore store = level(-1, -1);
    const QImage image = render(store, { 1, 1 });
    int background = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            QVERIFY2(c == Background || c == Grid, qPrintable(u"%1,%2"_qs.arg(x).arg(y)));
            background += c == Background;
        }
    }
    QVERIFY(background > image.width() * image.height() * 8 / 10);
}

void TestLogPicture::verticalLines_every30Seconds()
{
    SampleStore store = level(-1, -1);
    const QImage image = render(store);
    std::set<int> fullColumns;
    for (int x = 0; x < image.width(); ++x) {
        bool full = true;
        for (int y = 0; y < image.height() && full; ++y)
            full = image.pixel(x, y) == Grid;
        if (full)
            fullColumns.insert(x);
    }
    QCOMPARE(fullColumns.size(), 18u);
    QVERIFY(fullColumns == verticalGridColumns(image.width()));
}

void TestLogPicture::scaleLines_tickOrFullWidthAsTheBoxesSay_data()
{
    QTest::addColumn<int>("voltLines");
    QTest::addColumn<int>("curLines");
    QTest::newRow("ticks only") << 0 << 0;
    QTest::newRow("voltage lines") << 1 << 0;
    QTest::newRow("current lines") << 0 << 1;
    QTest::newRow("both") << 1 << 1;
    QTest::newRow("stored 2 counts as checked") << 2 << 0;
}

void TestLogPicture::scaleLines_tickOrFullWidthAsTheBoxesSay()
{
    QFETCH(int, voltLines);
    QFETCH(int, curLines);
    SampleStore store = level(-1, -1);
    const QImage image
        = render(store, { static_cast<int16_t>(voltLines), static_cast<int16_t>(curLines) });
    const int sw = image.width();
    const int sh = image.height();
    std::set<int> voltRows;
    for (int i = 0; i <= 9; ++i)
        voltRows.insert(nearest((10 - i) * static_cast<double>(sh) / 10));
    std::set<int> curRows;
    for (int i = 0; i <= 5; ++i)
        curRows.insert(nearest((6 - i) * static_cast<double>(sh) / 6));
    const int inLeftTick = 2;
    const int pastLeftTick = 6;
    const int inRightTick = sw - 3;
    const int middle = nearest(4.25 * sw / 9);
    for (int y = 0; y < sh; ++y) {
        const bool volt = voltRows.count(y) != 0;
        const bool cur = curRows.count(y) != 0;
        const bool full = (voltLines && volt) || (curLines && cur);
        const QString at = u"row %1"_qs.arg(y);
        QVERIFY2((image.pixel(inLeftTick, y) == Grid) == (volt || full), qPrintable(at));
        QVERIFY2((image.pixel(pastLeftTick, y) == Grid) == full, qPrintable(at));
        QVERIFY2((image.pixel(middle, y) == Grid) == full, qPrintable(at));
        QVERIFY2((image.pixel(inRightTick, y) == Grid) == (cur || full), qPrintable(at));
    }
    // No line at 10 V nor at 300 A.
    QVERIFY(!voltRows.count(0) && !curRows.count(0));
    QCOMPARE(image.pixel(inLeftTick, 0), Background);
}

void TestLogPicture::curves_lieAtTheirScaledHeightsInTheLegendColours_data()
{
    QTest::addColumn<float>("volt");
    QTest::addColumn<float>("cur");
    QTest::newRow("5 V, 100 A") << 5.0f << 100.0f;
    QTest::newRow("1.2 V, 290 A") << 1.2f << 290.0f;
    QTest::newRow("9.9 V, 30 A") << 9.9f << 30.0f;
}

void TestLogPicture::curves_lieAtTheirScaledHeightsInTheLegendColours()
{
    QFETCH(float, volt);
    QFETCH(float, cur);
    SampleStore store = level(volt, cur);
    const QImage image = render(store);
    const int sw = image.width();
    const int sh = image.height();
    for (const int n : { 1, 100, 256, 511, 512 }) {
        QCOMPARE(image.pixel(timeX(n, sw), voltY(volt, sh)), Volt);
        QCOMPARE(image.pixel(timeX(n, sw), curY(cur, sh)), Cur);
    }
    // The curves end at sample 512, short of the 540 s edge.
    const std::set<int> voltColumns = columnsOf(image, Volt, voltY(volt, sh));
    QCOMPARE(*voltColumns.begin(), 0);
    QVERIFY(*voltColumns.rbegin() >= timeX(512, sw));
    QVERIFY(*voltColumns.rbegin() <= timeX(512, sw) + 1);
    QVERIFY(!anyIn(image, Volt, QRect(timeX(512, sw) + 2, 0, sw, sh)));
    QVERIFY(!anyIn(image, Cur, QRect(timeX(512, sw) + 2, 0, sw, sh)));
}

void TestLogPicture::curves_stepAtTheSampleTime_data()
{
    QTest::addColumn<int>("step"); // first sample at the higher level
    QTest::newRow("early") << 20;
    QTest::newRow("middle") << 271;
    QTest::newRow("late") << 500;
}

void TestLogPicture::curves_stepAtTheSampleTime()
{
    QFETCH(int, step);
    // The current falls 15 samples before the voltage rises, so that neither
    // step is drawn over the other.
    const int curStep = step - 15;
    SampleStore store = level(2, 200);
    for (int n = step; n <= SampleStore::Count; ++n)
        store.RunVolt(n) = 8;
    for (int n = curStep; n <= SampleStore::Count; ++n)
        store.RunCur(n) = 50;
    const QImage image = render(store);
    const int sw = image.width();
    const int sh = image.height();
    const int from = timeX(step - 1, sw) - 1;
    const int to = timeX(step, sw) + 1;
    const std::set<int> voltRise = columnsOf(image, Volt, (voltY(2, sh) + voltY(8, sh)) / 2);
    QVERIFY(!voltRise.empty());
    QVERIFY(*voltRise.begin() >= from && *voltRise.rbegin() <= to);
    const std::set<int> curFall = columnsOf(image, Cur, (curY(200, sh) + curY(50, sh)) / 2);
    QVERIFY(!curFall.empty());
    QVERIFY(*curFall.begin() >= timeX(curStep - 1, sw) - 1);
    QVERIFY(*curFall.rbegin() <= timeX(curStep, sw) + 1);
}

void TestLogPicture::valuesAboveTheAxes_areCutOff()
{
    SampleStore store = level(12.4f, 380);
    const QImage image = render(store);
    QVERIFY(!anyIn(image, Volt, image.rect()));
    QVERIFY(!anyIn(image, Cur, image.rect()));
}

void TestLogPicture::missingSamples_leaveAGapWithoutSpike()
{
    SampleStore store = level(5, 100);
    for (int n = 200; n < 240; ++n)
        store.RunVolt(n) = -1;
    for (int n = 300; n < 340; ++n)
        store.RunCur(n) = -1;
    const QImage image = render(store);
    const int sw = image.width();
    const int sh = image.height();
    QVERIFY(
        !anyIn(image, Volt, QRect(QPoint(timeX(199, sw) + 2, 0), QPoint(timeX(239, sw) - 2, sh))));
    QVERIFY(
        !anyIn(image, Cur, QRect(QPoint(timeX(299, sw) + 2, 0), QPoint(timeX(339, sw) - 2, sh))));
    // The first sample after the gap is a level piece at its own value.
    QCOMPARE(image.pixel(timeX(240, sw), voltY(5, sh)), Volt);
    QVERIFY(!anyIn(image, Volt,
        QRect(QPoint(timeX(239, sw) - 1, voltY(5, sh) + 2), QPoint(timeX(240, sw) + 1, sh))));
    QCOMPARE(image.pixel(timeX(340, sw), curY(100, sh)), Cur);
    QVERIFY(!anyIn(image, Cur,
        QRect(QPoint(timeX(339, sw) - 1, curY(100, sh) + 2), QPoint(timeX(340, sw) + 1, sh))));
}

QTEST_MAIN(TestLogPicture)
#include "tst_logpicture.moc"
