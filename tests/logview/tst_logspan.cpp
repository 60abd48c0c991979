#include "../app/fakeprompts.h"
#include "logpicture.h"
#include "logwindow.h"
#include "pictureexport.h"
#include "pixels.h"

#include <QtTest>
#include <QtWidgets>

class TestLogSpan : public QObject {
    Q_OBJECT
private slots:
    void dragMarksASpanForTheReadoutAndThePicture();
};

void TestLogSpan::dragMarksASpanForTheReadoutAndThePicture()
{
    SampleStore store;
    store.held = true;
    store.volt.fill(5);
    store.cur.fill(100);
    store.voltsAt(150) = SampleStore::Missing;
    std::array<int16_t, 2> scaleLine { 0, 0 };
    LogWindow log(store, scaleLine, {}, nullptr);
    FakePrompts prompts;
    log.setPrompts(&prompts);
    log.showStore();
    QVERIFY(QTest::qWaitForWindowExposed(&log));
    auto* graph = log.findChild<LogPicture*>();
    const QRect inner = graph->contentsRect();
    auto at = [&inner](int n, double height = 0.5) {
        return inner.topLeft()
            + QPoint(qRound(n * inner.width() / 540.0), qRound(height * inner.height()));
    };
    auto readout
        = [&log] { return log.findChild<QLabel*>(u"TxtLog"_qs)->text().split(u'\n').join(u'|'); };
    auto trigger = [graph](const QString& text) {
        for (QAction* action : graph->actions()) {
            if (action->text() == text)
                action->trigger();
        }
    };

    QTest::mousePress(graph, Qt::LeftButton, {}, at(100));
    QTest::mouseMove(graph, at(160));
    QTest::mouseMove(graph, at(199));
    QTest::mouseRelease(graph, Qt::LeftButton, {}, at(199));
    // 100 samples of 100 A: 2777.8 mAh; 99 of them with 5 V: 13.75 Wh.
    QCOMPARE(readout(),
        u"199s|5V|100A|100-199s 100s|min 5.0 mean 5.0 max 5.0V|mean 100 max 100A|2778mAh "
        "13.75Wh|missing 1V 0A|R not enough load change"_qs);

    QTemporaryDir dir;
    prompts.answer = true;
    for (const int scale : { 1, 2 }) {
        prompts.fileName = dir.filePath(u"graph.png"_qs);
        if (scale == 2)
            trigger(u"Picture at Twice the Size"_qs);
        trigger(u"Save Picture..."_qs);
        const QImage picture = QImage(prompts.fileName).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), log.size() * scale);
        QVERIFY(countIn(picture, qRgb(0, 0, 255)) && countIn(picture, qRgb(192, 0, 192)));
        const QPoint inSpan = graph->mapTo(&log, at(140, 0.25)) * scale;
        QVERIFY(picture.pixel(inSpan) != picture.pixel(graph->mapTo(&log, at(320, 0.25)) * scale));
    }
    // A bare name is saved as a PNG; the dialog starts on a dated name.
    prompts.fileName = dir.filePath(u"bare"_qs);
    trigger(u"Save Picture..."_qs);
    QVERIFY(QFile::exists(dir.filePath(u"bare.png"_qs)));
    QVERIFY(QRegularExpression(u"/tz586kv-log-\\d{8}-\\d{4}\\.png$"_qs)
                .match(prompts.proposed)
                .hasMatch());
    for (const auto& [name, start] :
        { std::pair { "graph.svg", "<?xml" }, { "graph.pdf", "%PDF" } }) {
        prompts.fileName = dir.filePath(QString::fromLatin1(name));
        trigger(u"Save Picture..."_qs);
        QFile saved(prompts.fileName);
        if (saved.fileName().endsWith(u".svg") && !PictureExport::savesSvg()) {
            QVERIFY(!saved.exists() && prompts.messages.last().contains(u"SVG"));
            continue;
        }
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.read(5).startsWith(start));
    }
    prompts.fileName = dir.filePath(u"none/graph.png"_qs);
    trigger(u"Save Picture..."_qs);
    QCOMPARE(prompts.messages.last(), u"The file cannot be saved."_qs);

    QTest::mouseClick(graph, Qt::LeftButton, {}, at(300));
    QCOMPARE(readout(), u"300s|5V|100A"_qs);
    trigger(u"Statistics"_qs);
    QVERIFY(prompts.messages.last().startsWith(u"1-512s 512s\n"_qs));
    QTest::keyClick(graph, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(graph, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(readout().startsWith(u"302s|5V|100A|300-302s 3s|"_qs));
    QTest::keyClick(graph, Qt::Key_Escape);
    QTest::keyClick(graph, Qt::Key_Left);
    QCOMPARE(readout(), u"301s|5V|100A"_qs);

    // In the corner, the readout with the span's figures stays on the graph.
    QTest::keyClick(graph, Qt::Key_Right, Qt::ShiftModifier);
    const auto* box = log.findChild<QLabel*>(u"TxtLog"_qs);
    for (const auto& [n, height] :
        { std::pair { 510, 0.97 }, { 510, 0.03 }, { 3, 0.97 }, { 300, 0.85 } }) {
        QTest::mouseMove(graph, at(n, height));
        QVERIFY(box->isVisible() && box->text().count(u'\n') > 3);
        QVERIFY(graph->geometry().contains(box->geometry()));
    }
    // While the line works, the graph's menu waits; a new log hides the old figures.
    log.setOperationRunning(true);
    const qsizetype shown = prompts.messages.size();
    trigger(u"Statistics"_qs);
    QCOMPARE(prompts.messages.size(), shown);
    log.setOperationRunning(false);
    log.showStore();
    QVERIFY(!box->isVisible());

    // A marker set on the graph goes beside the CSV the log is saved to and
    // comes back with it.
    QTest::mouseClick(graph, Qt::LeftButton, {}, at(42));
    prompts.text = u" climb "_qs;
    trigger(u"Add Marker..."_qs);
    QCOMPARE(readout(), u"42s|5V|100A|climb"_qs);
    log.logSaved(dir.filePath(u"flight.csv"_qs));
    LogWindow again(store, scaleLine, {}, nullptr);
    again.showStore({ dir.filePath(u"flight.csv"_qs), {}, {} });
    QCOMPARE(again.scene().markers, (QList<LogMarker> { { 42, u"climb"_qs } }));

    // The wheel zooms in at the pointer: the time under it and the span keep
    // their seconds; a double click shows the whole log again.
    QTest::mousePress(graph, Qt::LeftButton, {}, at(100));
    QTest::mouseMove(graph, at(150));
    QTest::mouseRelease(graph, Qt::LeftButton, {}, at(150));
    const QString unzoomed = readout();
    QWheelEvent wheel(at(150), graph->mapToGlobal(at(150)), {}, { 0, 240 }, Qt::NoButton, {},
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(graph, &wheel);
    QCOMPARE(graph->view().width(), 540 * 0.8 * 0.8);
    QCOMPARE(readout(), unzoomed);
    QTest::mouseDClick(graph, Qt::LeftButton, {}, at(300));
    QVERIFY(graph->view().whole());
}

QTEST_MAIN(TestLogSpan)
#include "tst_logspan.moc"
