#include "frmlog.h"
#include "loglayout.h"
#include "logpicture.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

using Write = std::pair<QString, QString>;

struct Fixture {
    SampleStore store;
    std::array<int16_t, 2> scaleLine { 0, 0 };
    QList<Write> writes;
    QPointer<FrmLog> log;

    Fixture() { store.volt.fill(5); }
    ~Fixture() { delete log; }

    FrmLog* open()
    {
        log = new FrmLog(
            store, scaleLine,
            [this](const QString& key, const QString& value) {
                writes.append({ key, value });
            },
            nullptr);
        return log;
    }
    template <typename T> T* child(const QString& name) const { return log->findChild<T*>(name); }
    LogPicture* picture() const { return child<LogPicture>(u"PicLog"_qs); }
    QImage graph() const
    {
        return picture()->surface().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

QRect inPixels(const LogLayout::Rect& r)
{
    return QRect(
        qRound(r.left / 15), qRound(r.top / 15), qRound(r.width / 15), qRound(r.height / 15));
}

void movePointer(QWidget* target, QPoint at)
{
    QMouseEvent move(
        QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

class TestFrmLog : public QObject {
    Q_OBJECT
private slots:
    void newWindow_isLogDataAtDesignSizeWithStoredScaleStates_data();
    void newWindow_isLogDataAtDesignSizeWithStoredScaleStates();
    void layout_placesControlsByTheTwipFormulas_data();
    void layout_placesControlsByTheTwipFormulas();
    void shrinking_stopsAtTheMinimumSize();
    void scaleLineClicks_writeChartKeysAndRedraw_data();
    void scaleLineClicks_writeChartKeysAndRedraw();
    void setGraph_decodesAndRedrawsWithoutMovingTheWindow();
    void readout_hiddenUntilFirstMoveThenFollowsPointer();
    void minimised_layoutDoesNothingUntilRestored();
    void close_deletesWindowButKeepsTheStore();
};

void TestFrmLog::newWindow_isLogDataAtDesignSizeWithStoredScaleStates_data()
{
    QTest::addColumn<int>("stored0");
    QTest::addColumn<int>("stored1");
    QTest::newRow("both off") << 0 << 0;
    QTest::newRow("voltage on") << 1 << 0;
    QTest::newRow("current on") << 0 << 1;
}

void TestFrmLog::newWindow_isLogDataAtDesignSizeWithStoredScaleStates()
{
    QFETCH(int, stored0);
    QFETCH(int, stored1);
    Fixture f;
    f.scaleLine = { static_cast<int16_t>(stored0), static_cast<int16_t>(stored1) };
    FrmLog* log = f.open();
    QCOMPARE(log->windowTitle(), u"Log Data"_qs);
    QCOMPARE(log->size(),
        QSize(qRound(7000 / 15.0) - FrmLog::FrameWidth, qRound(5200 / 15.0) - FrmLog::FrameHeight));
    QCOMPARE(f.child<QCheckBox>(u"ChkScaleLine0"_qs)->isChecked(), stored0 == 1);
    QCOMPARE(f.child<QCheckBox>(u"ChkScaleLine1"_qs)->isChecked(), stored1 == 1);
    QCOMPARE(f.child<QLabel>(u"LblVolt10"_qs)->text(), u"10.0"_qs);
    QCOMPARE(f.child<QLabel>(u"LblVolt1"_qs)->text(), u"1.0"_qs);
    QCOMPARE(f.child<QLabel>(u"LblCur6"_qs)->text(), u"300"_qs);
    QCOMPARE(f.child<QLabel>(u"LblS9"_qs)->text(), u"540"_qs);
}

void TestFrmLog::layout_placesControlsByTheTwipFormulas_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("initial") << QSize();
    QTest::newRow("large") << QSize(1200, 800);
    QTest::newRow("minimum") << QSize(330, 277);
}

void TestFrmLog::layout_placesControlsByTheTwipFormulas()
{
    QFETCH(QSize, size);
    Fixture f;
    FrmLog* log = f.open();
    if (size.isValid())
        log->resize(size);
    log->Form_Resize();
    const LogLayout::Placement p
        = LogLayout::layout(static_cast<float>((log->width() + FrmLog::FrameWidth) * 15),
            static_cast<float>((log->height() + FrmLog::FrameHeight) * 15))
              .placement;
    QCOMPARE(f.picture()->geometry(), inPixels(p.picLog));
    QCOMPARE(f.child<QWidget>(u"Frame1"_qs)->geometry(), inPixels(p.frame1));
    QCOMPARE(f.child<QWidget>(u"CmdClose"_qs)->geometry(), inPixels(p.cmdClose));
    QCOMPARE(f.child<QWidget>(u"LblCur0"_qs)->geometry(), inPixels(p.lblCur[0]));
    QCOMPARE(f.child<QWidget>(u"LblVolt10"_qs)->geometry(), inPixels(p.lblVolt[10]));
    QCOMPARE(f.child<QWidget>(u"LblS9"_qs)->geometry(), inPixels(p.lblS[9]));
    QCOMPARE(f.child<QWidget>(u"LblTime"_qs)->geometry(), inPixels(p.lblTime));
    QCOMPARE(f.picture()->surface().size(), f.picture()->size() - QSize(4, 4));
}

void TestFrmLog::shrinking_stopsAtTheMinimumSize()
{
    Fixture f;
    FrmLog* log = f.open();
    log->resize(100, 100);
    log->Form_Resize();
    QCOMPARE((log->width() + FrmLog::FrameWidth) * 15, 5070);
    QVERIFY((log->height() + FrmLog::FrameHeight) * 15 >= 4600);
    QVERIFY((log->height() + FrmLog::FrameHeight - 1) * 15 < 4600);
    // The layout ran at the snapped size: PW = W - 1200.
    QCOMPARE(f.picture()->width(), qRound((5070 - 1200) / 15.0));
}

void TestFrmLog::scaleLineClicks_writeChartKeysAndRedraw_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("voltage") << 0;
    QTest::newRow("current") << 1;
}

void TestFrmLog::scaleLineClicks_writeChartKeysAndRedraw()
{
    QFETCH(int, index);
    Fixture f;
    f.store.volt.fill(-1);
    f.store.cur.fill(-1);
    FrmLog* log = f.open();
    log->SetGraphFile();
    QVERIFY(QTest::qWaitForWindowExposed(log));
    auto* check = f.child<QCheckBox>(u"ChkScaleLine%1"_qs.arg(index));
    const int sh = f.graph().height();
    // A row of that axis only: 9 V (voltage) or 250 A (current).
    const int row = index == 0 ? qRound(sh / 10.0) : qRound(sh / 6.0);
    const int middle = qRound(4.25 * f.graph().width() / 9);
    const QRgb grid = qRgb(128, 128, 128);
    QVERIFY(f.graph().pixel(middle, row) != grid);

    QTest::mouseClick(check, Qt::LeftButton);
    const QString key = u"ScaleLine%1"_qs.arg(index);
    QCOMPARE(f.writes, QList<Write> { Write(key, u"1"_qs) });
    QCOMPARE(f.scaleLine[index], int16_t(1));
    QCOMPARE(f.graph().pixel(middle, row), grid);

    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(f.writes, (QList<Write> { Write(key, u"1"_qs), Write(key, u"0"_qs) }));
    QCOMPARE(f.scaleLine[index], int16_t(0));
    QVERIFY(f.graph().pixel(middle, row) != grid);
    QCOMPARE(f.scaleLine[1 - index], int16_t(0));

    // The next window starts as the flags now stand.
    QTest::mouseClick(check, Qt::LeftButton);
    delete f.log;
    f.open();
    QVERIFY(f.child<QCheckBox>(u"ChkScaleLine%1"_qs.arg(index))->isChecked());
    QVERIFY(!f.child<QCheckBox>(u"ChkScaleLine%1"_qs.arg(1 - index))->isChecked());
}

void TestFrmLog::setGraph_decodesAndRedrawsWithoutMovingTheWindow()
{
    Fixture f;
    FrmLog* log = f.open();
    log->SetGraph(QString(u"br"_qs + u"60FF"_qs.repeated(512)));
    QVERIFY(log->isVisible());
    QVERIFY(f.store.held);
    const int sh = f.graph().height();
    const int yVolt = qRound((10.01 - 7.5) * sh / 10.01);
    QCOMPARE(f.graph().pixel(100, yVolt), qRgb(0, 0, 255));

    log->setGeometry(QRect(QPoint(150, 120), QSize(600, 450)));
    const QRect placed = log->geometry();
    log->SetGraph(QString(u"br"_qs + u"FF64"_qs.repeated(512)));
    QCOMPARE(log->geometry(), placed);
    QCOMPARE(f.store.RunCur(512), 190.0f);
    QVERIFY(f.graph().pixel(100, qRound((10.01 - 7.5) * f.graph().height() / 10.01))
        != qRgb(0, 0, 255));
}

void TestFrmLog::readout_hiddenUntilFirstMoveThenFollowsPointer()
{
    Fixture f;
    f.store.RunVolt(12) = 7.5f;
    f.store.RunCur(12) = 190;
    FrmLog* log = f.open();
    // Wide enough for every sample to have its own pixel column.
    log->resize(1200, 800);
    log->SetGraphFile();
    auto* box = f.child<QLabel>(u"TxtLog"_qs);
    LogPicture* pic = f.picture();
    QVERIFY(!box->isVisible());
    const int innerWidth = pic->width() - 4;
    // Inner x of sample 12, plus the 2-pixel border.
    const QPoint at(qRound(12.0 * innerWidth / 540) + 2, pic->height() / 2);
    movePointer(pic, at);
    QVERIFY(box->isVisible());
    QCOMPARE(box->text(), u"12s\n7.5V\n190A"_qs);
    // 300 twips right of and below the pointer, in the inner coordinates.
    QCOMPARE(box->pos(), pic->pos() + at - QPoint(2, 2) + QPoint(20, 20));

    const QPoint pastLog(qRound(513.4 * innerWidth / 540) + 2, 60);
    movePointer(pic, pastLog);
    QVERIFY(!box->isVisible());
    QCOMPARE(box->pos(), pic->pos() + pastLog + QPoint(18, 18));
    movePointer(pic, QPoint(qRound(512.0 * innerWidth / 540) + 2, 60));
    QVERIFY(box->isVisible());
    QVERIFY(box->text().startsWith(u"512s\n"_qs));
    movePointer(pic, QPoint(100, 2));
    QVERIFY(!box->isVisible());
}

void TestFrmLog::minimised_layoutDoesNothingUntilRestored()
{
    Fixture f;
    FrmLog* log = f.open();
    log->SetGraphFile();
    log->showMinimized();
    QVERIFY(log->isMinimized());
    const QSize size = log->size();
    const qint64 drawn = f.picture()->surface().cacheKey();
    f.store.volt.fill(-1);
    log->Form_Resize();
    QCOMPARE(log->size(), size);
    QCOMPARE(f.picture()->surface().cacheKey(), drawn);

    log->SetGraphFile();
    QVERIFY(!log->isMinimized());
    QVERIFY(f.picture()->surface().cacheKey() != drawn);
    const QImage image = f.graph();
    QVERIFY(image.pixel(100, qRound((10.01 - 5) * image.height() / 10.01)) != qRgb(0, 0, 255));
}

void TestFrmLog::close_deletesWindowButKeepsTheStore()
{
    Fixture f;
    f.store.RunCur(3) = 70;
    FrmLog* log = f.open();
    log->SetGraphFile();
    QTest::mouseClick(f.child<QPushButton>(u"CmdClose"_qs), Qt::LeftButton);
    QTRY_VERIFY(f.log.isNull());
    QCOMPARE(f.store.RunCur(3), 70.0f);
    QCOMPARE(f.store.RunVolt(3), 5.0f);
}

QTEST_MAIN(TestFrmLog)
#include "tst_frmlog.moc"
