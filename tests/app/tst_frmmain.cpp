#include "fakeprompts.h"
#include "fakeserialline.h"
#include "frmmain.h"
#include "parameterrows.h"
#include "porttable.h"
#include "startup.h"
#include "testrc.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

class TstFrmMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startUpWithoutFile_cancelled_showsRedLineAndDisabledButtons();
    void startUp_opensConfiguredPort();
    void controls_sitAtTheirDesignPlaces_data();
    void controls_sitAtTheirDesignPlaces();
    void captions_areNeverClipped();
    void fraTmp_isOutOfViewAndHidden();
    void messages_replaceEachOtherWithTheirColour();
    void comPortMenu_cancel_closesPortAndDisablesButtons();
    void comPortMenu_okWithWorkingPort_opensAndEnablesAllButWrite();
    void lostLine_showsRedLineAndDisablesButtons();
    void exitAndCloseBox_closePortAndEndOnce_data();
    void exitAndCloseBox_closePortAndEndOnce();

private:
    void startWith(const QByteArray& ini, std::function<void()> dialog);
    QList<bool> buttonStates() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakeSerialLine m_line;
    FakePrompts m_prompts;
    std::unique_ptr<TestRC> m_rc;
    std::unique_ptr<FrmMain> m_frm;
    int m_quits = 0;
};

void TstFrmMain::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_state = AppState();
    m_state.AppPath = m_dir->path();
    m_state.VersionText = u"Version1.00"_qs;
    m_line.close();
    m_line.openable = { PortDevice(3, nullptr), PortDevice(4, nullptr) };
    m_quits = 0;
}

void TstFrmMain::cleanup()
{
    m_frm.reset();
    m_rc.reset();
}

void TstFrmMain::startWith(const QByteArray& ini, std::function<void()> dialog)
{
    if (!ini.isEmpty()) {
        QFile file(m_dir->filePath(u"TZ586KV Link.ini"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini);
    }
    m_rc = std::make_unique<TestRC>(m_state, m_line);
    m_rc->setPortDialog(std::move(dialog));
    m_frm = std::make_unique<FrmMain>(*m_rc, m_prompts);
    m_frm->setQuit([this] { ++m_quits; });
    StartUp(*m_rc, *m_frm);
    QVERIFY(QTest::qWaitForWindowExposed(m_frm.get()));
}

QList<bool> TstFrmMain::buttonStates() const
{
    QList<bool> states;
    for (int i = 0; i < FrmMain::CommandCount; ++i)
        states.append(m_frm->CmdTzCom(i)->isEnabled());
    return states;
}

void TstFrmMain::startUpWithoutFile_cancelled_showsRedLineAndDisabledButtons()
{
    int dialogs = 0;
    startWith({}, [&] {
        ++dialogs;
        m_state.PortCancelled = true;
    });
    QCOMPARE(dialogs, 1);
    QCOMPARE(m_frm->windowTitle(), u"TZ586KV Link"_qs);
    QCOMPARE(m_frm->TxtMsg()->text(), u"ComPort cannot be opened."_qs);
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Red);
    QCOMPARE(m_frm->TxtMsg()->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(buttonStates(), QList<bool>(5, false));
    QCOMPARE(m_frm->LblProductName()->text(), u"TZ586KV Link"_qs);
    QCOMPARE(m_frm->LblVersion()->text(), u"Version1.00"_qs);
    QVERIFY(!m_line.isOpen());
}

void TstFrmMain::startUp_opensConfiguredPort()
{
    startWith("[RS232C]\nCommPort=3\n", [] { QFAIL("no dialog expected"); });
    QVERIFY(m_line.isOpen());
    QCOMPARE(m_frm->TxtMsg()->text(), u"CommPort was initialized."_qs);
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Black);
    QCOMPARE(buttonStates(), (QList<bool> { true, false, true, true, true }));
}

void TstFrmMain::controls_sitAtTheirDesignPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Setting Data") << u"FraSetting"_qs << QRect(180, 120, 1875, 2355);
    QTest::newRow("Read") << u"CmdTzCom0"_qs << QRect(360, 360, 1515, 495);
    QTest::newRow("Write") << u"CmdTzCom1"_qs << QRect(360, 1080, 1515, 495);
    QTest::newRow("Default Write") << u"CmdTzCom2"_qs << QRect(360, 1800, 1515, 495);
    QTest::newRow("Log Data") << u"FraLog"_qs << QRect(180, 2700, 1875, 1635);
    QTest::newRow("Get") << u"CmdTzCom3"_qs << QRect(360, 2940, 1515, 495);
    QTest::newRow("Clear") << u"CmdTzCom4"_qs << QRect(360, 3660, 1515, 495);
    QTest::newRow("logo") << u"ImgLogo"_qs << QRect(360, 4740, 1515, 435);
    QTest::newRow("Busy") << u"LblBusy"_qs << QRect(4740, 4740, 555, 195);
    QTest::newRow("lamp") << u"ShpLED"_qs << QRect(5280, 4740, 255, 135);
    QTest::newRow("Message") << u"LblMessage"_qs << QRect(2340, 5205, 1515, 195);
    QTest::newRow("message line") << u"TxtMsg"_qs << QRect(2340, 5400, 3975, 315);
    QTest::newRow("product") << u"LblProductName"_qs << QRect(360, 5220, 1515, 195);
    QTest::newRow("version") << u"LblVersion"_qs << QRect(360, 5400, 1515, 195);
}

void TstFrmMain::controls_sitAtTheirDesignPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    startWith("[RS232C]\nCommPort=3\n", {});
    const auto* widget = m_frm->client()->findChild<QWidget*>(name);
    QVERIFY(widget);
    const QRect actual(widget->mapTo(m_frm->client(), QPoint()), widget->size());
    const QRect design(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
        qRound(twips.width() / 15.0), qRound(twips.height() / 15.0));
    const auto near = [](int a, int b) { return qAbs(a - b) <= 2; };
    QVERIFY2(near(actual.x(), design.x()) && near(actual.y(), design.y())
            && near(actual.width(), design.width()) && near(actual.height(), design.height()),
        qPrintable(u"%1,%2 %3x%4"_qs.arg(actual.x())
                       .arg(actual.y())
                       .arg(actual.width())
                       .arg(actual.height())));
}

void TstFrmMain::captions_areNeverClipped()
{
    startWith("[RS232C]\nCommPort=3\n", {});
    QStringList clipped;
    const auto check = [&](const QWidget* w, const QString& text, int extra) {
        const QFontMetrics metrics(w->font());
        if (metrics.horizontalAdvance(text) + extra > w->width() || metrics.height() > w->height())
            clipped.append(text);
    };
    for (const QLabel* label : m_frm->client()->findChildren<QLabel*>()) {
        if (label->isVisibleTo(m_frm.get()) && !label->text().isEmpty())
            check(label, label->text(), 0);
    }
    for (const QPushButton* button : m_frm->client()->findChildren<QPushButton*>())
        check(button, button->text(), 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin));
    for (const QCheckBox* box : m_frm->client()->findChildren<QCheckBox*>()) {
        if (box->isVisibleTo(m_frm.get()))
            check(box, box->text(), box->style()->pixelMetric(QStyle::PM_IndicatorWidth));
    }
    for (const QGroupBox* frame : { m_frm->client()->findChild<QGroupBox*>(u"FraSetting"_qs),
             m_frm->client()->findChild<QGroupBox*>(u"FraLog"_qs) })
        check(frame, frame->title(), 0);
    const QLineEdit* line = m_frm->TxtMsg();
    check(line, line->text(), 4);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
    QVERIFY(m_frm->TxtMsg()->font().pointSizeF() <= 9.75);
}

void TstFrmMain::fraTmp_isOutOfViewAndHidden()
{
    startWith("[RS232C]\nCommPort=3\n", {});
    QVERIFY(!m_frm->FraTmp()->isVisibleTo(m_frm.get()));
    QVERIFY(m_frm->FraTmp()->y() >= m_frm->client()->height());
    // Everything on the visible part stays inside the client area.
    const QRect message(m_frm->TxtMsg()->geometry());
    QVERIFY(message.bottom() < m_frm->client()->height());
    QCOMPARE(m_frm->client()->width(), 430);
}

void TstFrmMain::messages_replaceEachOtherWithTheirColour()
{
    startWith("[RS232C]\nCommPort=3\n", {});
    m_frm->ShowMessage(u"RS232 communication fault."_qs, ExchangeHost::Red);
    m_frm->ShowMessage(u"Completion"_qs, ExchangeHost::Black);
    QCOMPARE(m_frm->TxtMsg()->text(), u"Completion"_qs);
    QCOMPARE(m_frm->TxtMsg()->palette().color(QPalette::Text), QColor(Qt::black));
    m_frm->setLamp(ExchangeHost::LampBright);
    QCOMPARE(m_frm->ShpLED()->palette().color(QPalette::Window), QColor(0, 0xFF, 0));
}

void TstFrmMain::comPortMenu_cancel_closesPortAndDisablesButtons()
{
    startWith("[RS232C]\nCommPort=3\n", {});
    QVERIFY(m_line.isOpen());
    m_rc->setPortDialog([&] { m_state.PortCancelled = true; });
    m_frm->mnuCom()->trigger();
    QVERIFY(!m_line.isOpen());
    QCOMPARE(m_frm->TxtMsg()->text(), u"ComPort cannot be opened."_qs);
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Red);
    QCOMPARE(buttonStates(), QList<bool>(5, false));
}

void TstFrmMain::comPortMenu_okWithWorkingPort_opensAndEnablesAllButWrite()
{
    startWith("[RS232C]\nCommPort=7\n", [&] { m_state.PortCancelled = true; });
    QCOMPARE(buttonStates(), QList<bool>(5, false));
    QStringList log;
    m_line.log = &log;
    m_rc->setPortDialog([&] {
        QVERIFY(!m_line.isOpen());
        m_state.ComPortNo = 4;
        m_state.PortCancelled = false;
    });
    m_frm->mnuCom()->trigger();
    m_line.log = nullptr;
    QCOMPARE(log, QStringList { u"open:"_qs + PortDevice(4, nullptr) });
    QVERIFY(m_line.isOpen());
    QCOMPARE(m_frm->TxtMsg()->text(), u"CommPort was initialized."_qs);
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Black);
    QCOMPARE(buttonStates(), (QList<bool> { true, false, true, true, true }));
}

void TstFrmMain::lostLine_showsRedLineAndDisablesButtons()
{
    startWith("[RS232C]\nCommPort=3\n", {});
    m_frm->CmdTzCom(1)->setEnabled(true);
    m_line.pull();
    QCOMPARE(m_frm->TxtMsg()->text(), u"ComPort cannot be opened."_qs);
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Red);
    QCOMPARE(buttonStates(), QList<bool>(5, false));
}

void TstFrmMain::exitAndCloseBox_closePortAndEndOnce_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("Exit") << true;
    QTest::newRow("close box") << false;
}

void TstFrmMain::exitAndCloseBox_closePortAndEndOnce()
{
    QFETCH(bool, viaMenu);
    startWith("[RS232C]\nCommPort=3\n", {});
    QSignalSpy unloading(m_frm.get(), &FrmMain::unloading);
    if (viaMenu)
        m_frm->mnuEnd()->trigger();
    else
        m_frm->close();
    QCOMPARE(unloading.count(), 1);
    QCOMPARE(m_quits, 1);
    QVERIFY(!m_line.isOpen());
    QVERIFY(!m_frm->isVisible());
}

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
