#include "controlleremulator.h"
#include "fakeprompts.h"
#include "frmlog.h"
#include "frmmain.h"
#include "maincommands.h"
#include "parameterrows.h"
#include "qtserialline.h"
#include "startup.h"
#include "testrc.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
constexpr double Fast = 0.05; // 3 s reply windows become 150 ms
const QString IniName = QStringLiteral("TZ586KV Link.ini");
const QString CommFault = QStringLiteral("RS232 communication fault.");
const QString CannotSet = QStringLiteral("TZ cannot be set.");
const QString Completion = QStringLiteral("Completion");

enum Op { Read = 0, Write = 1, DefaultWrite = 2, Get = 3, Clear = 4 };
}

Q_DECLARE_METATYPE(EmulatorFault)

class TstOperations : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void read_fillsVisibleRowsAndModeFromImage();
    void read_otherModelOrDeleted_showsBoxAndKeepsWriteOff_data();
    void read_otherModelOrDeleted_showsBoxAndKeepsWriteOff();
    void write_afterChange_leavesExactlyTheBuiltImageInController();
    void defaultWrite_restoresDefaultsAndRefillsRows();
    void clear_erasesControllerLogAndFocusesClear();
    void get_showsLogWithoutTakingFocus_andSecondGetKeepsWindowPlace();
    void get_noAnswer_showsNoWindowAndKeepsStore();
    void faults_reportAsToldAndNeverTouchDisk_data();
    void faults_reportAsToldAndNeverTouchDisk();
    void plugPulledMidReply_closesPortAndComPortMenuReopens();
    void closingDuringWait_endsAtOnceWithoutBoxes();

private:
    void click(int index);
    // As from a shortcut: the button does not take the focus first.
    void clickKeepingFocus(int index);
    QList<bool> buttonStates() const;
    QStringList visibleRowTexts() const;
    QCheckBox* modeBox(const QString& caption) const;
    void verifyDiskUntouched() const;
    void verifyFocusStaysOn(QWidget* widget) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_ttyDir;
    std::unique_ptr<Tz586kvEmulator> m_emulator;
    AppState m_state;
    std::unique_ptr<QtSerialLine> m_line;
    FakePrompts m_prompts;
    std::unique_ptr<TestRC> m_rc;
    std::unique_ptr<FrmMain> m_frm;
    std::unique_ptr<MainCommands> m_commands;
    QByteArray m_ini;
    int m_quits = 0;
};

void TstOperations::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_ttyDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid() && m_ttyDir->isValid());
    m_emulator = std::make_unique<Tz586kvEmulator>();
    m_emulator->setDelayScale(Fast);
    // The link keeps the port's name when the plug goes back in.
    QVERIFY(m_emulator->start(m_ttyDir->filePath(u"tz"_qs)));

    m_ini = "[RS232C]\nCommPort=16\n[Ports]\nCom16=" + m_emulator->linkPath().toUtf8() + "\n";
    QFile file(m_dir->filePath(IniName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(m_ini);
    file.close();

    m_state = AppState();
    m_state.AppPath = m_dir->path();
    m_state.VersionText = u"Version1.00"_qs;
    m_prompts.messages.clear();
    m_quits = 0;
    m_line = std::make_unique<QtSerialLine>();
    m_rc = std::make_unique<TestRC>(m_state, *m_line);
    m_rc->setPortDialog([] { QFAIL("no port dialog expected"); });
    m_frm = std::make_unique<FrmMain>(*m_rc, m_prompts);
    m_frm->setQuit([this] { ++m_quits; });
    m_commands = std::make_unique<MainCommands>(*m_rc, *m_frm);
    m_commands->exchange().setTimeScale(Fast);
    StartUp(*m_rc, *m_frm);
    m_frm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frm.get()));
    QVERIFY(m_frm->portOpen());
}

void TstOperations::cleanup()
{
    m_commands.reset();
    m_frm.reset();
    m_rc.reset();
    m_line.reset();
    m_emulator.reset();
    m_ttyDir.reset();
    m_dir.reset();
}

void TstOperations::click(int index)
{
    QPushButton* button = m_frm->CmdTzCom(index);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void TstOperations::clickKeepingFocus(int index)
{
    QPushButton* button = m_frm->CmdTzCom(index);
    QVERIFY(button->isEnabled());
    button->click();
}

QList<bool> TstOperations::buttonStates() const
{
    QList<bool> states;
    for (int i = 0; i < FrmMain::CommandCount; ++i)
        states.append(m_frm->CmdTzCom(i)->isEnabled());
    return states;
}

QStringList TstOperations::visibleRowTexts() const
{
    QStringList texts;
    for (int i : VisibleRows)
        texts.append(m_frm->rows().TxtData(i)->text());
    return texts;
}

QCheckBox* TstOperations::modeBox(const QString& caption) const
{
    for (int i = 0; i < ModeCount; ++i)
        if (m_frm->rows().ChkMode(i)->text() == caption)
            return m_frm->rows().ChkMode(i);
    return nullptr;
}

void TstOperations::verifyDiskUntouched() const
{
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList { IniName });
    QFile file(m_dir->filePath(IniName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), m_ini);
}

void TstOperations::verifyFocusStaysOn(QWidget* widget) const
{
    QCOMPARE(m_frm->focusWidget(), widget);
    // The offscreen platform activates every window it shows, whatever the
    // window asks for; real window systems honour the request.
    if (QGuiApplication::platformName() != u"offscreen"_qs) {
        QCOMPARE(QApplication::activeWindow(), m_frm.get());
        QCOMPARE(QApplication::focusWidget(), widget);
    }
}

void TstOperations::read_fillsVisibleRowsAndModeFromImage()
{
    click(Read);
    QCOMPARE(visibleRowTexts(),
        (QStringList { u"1000"_qs, u"5000"_qs, u"10"_qs, u"3.5"_qs, u"150"_qs, u"200"_qs, u"60"_qs,
            u"50"_qs, u"80"_qs, u"30"_qs, u"40"_qs, u"20"_qs }));
    QCheckBox* reverseCancel = modeBox(u"Reverse Cancel"_qs);
    QVERIFY(reverseCancel);
    QVERIFY(reverseCancel->isChecked());
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Black);
    QCOMPARE(buttonStates(), QList<bool>(5, true));
    QCOMPARE(QApplication::focusWidget(), m_frm->CmdTzCom(Read));
    QVERIFY(m_prompts.messages.isEmpty());
}

void TstOperations::read_otherModelOrDeleted_showsBoxAndKeepsWriteOff_data()
{
    QTest::addColumn<EmulatorFault>("fault");
    QTest::addColumn<QString>("box");
    QTest::newRow("FF") << EmulatorFault::Deleted << u"Setting Data is deleted."_qs;
    QTest::newRow("03") << EmulatorFault::OtherModel << u"TZ type is different."_qs;
}

void TstOperations::read_otherModelOrDeleted_showsBoxAndKeepsWriteOff()
{
    QFETCH(EmulatorFault, fault);
    QFETCH(QString, box);
    m_emulator->setFault(fault);
    click(Read);
    QCOMPARE(m_prompts.messages, QStringList { box });
    QCOMPARE(buttonStates(), (QList<bool> { true, false, true, true, true }));
    QCOMPARE(QApplication::focusWidget(), m_frm->CmdTzCom(Read));
}

void TstOperations::write_afterChange_leavesExactlyTheBuiltImageInController()
{
    click(Read);
    m_frm->rows().TxtData(0)->setText(u"1200"_qs);
    m_emulator->clearReceived();
    click(Write);

    const QString built = m_commands->operations().WriteData();
    // 1200 = 0x04B0, low byte first; nothing else of the image moves.
    QByteArray expected = Tz586kvEmulator::defaultImage();
    expected.replace(0, 4, "B004");
    QCOMPARE(built.toLatin1(), expected);
    QCOMPARE(m_emulator->image(), expected);
    QCOMPARE(m_emulator->receivedBytes(), "sw" + expected + "sr");
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
    QCOMPARE(m_frm->rows().TxtData(0)->text(), u"1200"_qs);
    QCOMPARE(buttonStates(), QList<bool>(5, true));
    QCOMPARE(QApplication::focusWidget(), m_frm->CmdTzCom(Write));
}

void TstOperations::defaultWrite_restoresDefaultsAndRefillsRows()
{
    QByteArray changed = Tz586kvEmulator::defaultImage();
    changed.replace(0, 4, "B004");
    m_emulator->setImage(changed);
    click(DefaultWrite);
    QCOMPARE(m_emulator->image(), Tz586kvEmulator::defaultImage());
    QCOMPARE(m_frm->rows().TxtData(0)->text(), u"1000"_qs);
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
    QCOMPARE(buttonStates(), QList<bool>(5, true));
    QCOMPARE(QApplication::focusWidget(), m_frm->CmdTzCom(DefaultWrite));
}

void TstOperations::clear_erasesControllerLogAndFocusesClear()
{
    click(Clear);
    QCOMPARE(m_emulator->log(), QByteArray(Tz586kvEmulator::LogLength, 'F'));
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
    // No setting data on the screen: "Write" stays off.
    QCOMPARE(buttonStates(), (QList<bool> { true, false, true, true, true }));
    QCOMPARE(QApplication::focusWidget(), m_frm->CmdTzCom(Clear));
    verifyDiskUntouched();
}

void TstOperations::get_showsLogWithoutTakingFocus_andSecondGetKeepsWindowPlace()
{
    // The whole log takes longer than a shortened reply window.
    m_commands->exchange().setTimeScale(1.0);
    QLineEdit* box = m_frm->rows().TxtData(0);
    box->setFocus();
    QElapsedTimer clock;
    clock.start();
    clickKeepingFocus(Get);
    const qint64 took = clock.elapsed();
    // 2052 characters at 9600 bit/s, 11 bits each.
    QVERIFY2(took > 2200 && took < 4000, qPrintable(QString::number(took)));

    FrmLog* log = m_commands->logWindow();
    QVERIFY(log);
    // Activation arrives through the event queue: let it come before looking.
    QVERIFY(QTest::qWaitForWindowExposed(log));
    QVERIFY(m_commands->store().held);
    QCOMPARE(m_commands->store().RunVolt(1), 8.7f); // 0x70 * 198 / 2550, one decimal
    QCOMPARE(m_commands->store().RunVolt(512), SampleStore::Missing);
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
    verifyFocusStaysOn(box);

    const QPoint moved = log->pos() + QPoint(40, 30);
    log->move(moved);
    QTRY_COMPARE(log->pos(), moved);
    m_emulator->setLog(QByteArray(Tz586kvEmulator::LogLength, '0'));
    clickKeepingFocus(Get);
    QCOMPARE(m_commands->logWindow(), log);
    QCOMPARE(log->pos(), moved);
    QCOMPARE(m_commands->store().RunVolt(512), 0.0f);
    verifyFocusStaysOn(box);
    verifyDiskUntouched();
}

void TstOperations::get_noAnswer_showsNoWindowAndKeepsStore()
{
    SampleStore& store = m_commands->store();
    store.RunVolt(1) = 7.5f;
    store.RunCur(2) = 190.0f;
    store.held = true;
    m_emulator->setFault(EmulatorFault::NoAnswer);
    QLineEdit* box = m_frm->rows().TxtData(1);
    box->setFocus();
    QElapsedTimer clock;
    clock.start();
    clickKeepingFocus(Get);
    const qint64 took = clock.elapsed();
    QVERIFY2(took >= 480 && took < 1500, qPrintable(QString::number(took)));
    QVERIFY(!m_commands->logWindow());
    QCOMPARE(store.RunVolt(1), 7.5f);
    QCOMPARE(store.RunCur(2), 190.0f);
    QVERIFY(store.held);
    QCOMPARE(m_prompts.messages, QStringList { CommFault });
    QCOMPARE(m_frm->TxtMsg()->text(), CommFault);
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Red);
    QCOMPARE(QApplication::focusWidget(), box);
}

void TstOperations::faults_reportAsToldAndNeverTouchDisk_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<EmulatorFault>("fault");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("rowsFilled");

    QTest::newRow("read ok") << int(Read) << EmulatorFault::None << Completion << QStringList {}
                             << true;
    QTest::newRow("read no answer")
        << int(Read) << EmulatorFault::NoAnswer << CommFault << QStringList { CommFault } << false;
    QTest::newRow("read no terminator") << int(Read) << EmulatorFault::NoTerminator << CannotSet
                                        << QStringList { CannotSet } << false;
    QTest::newRow("read late") << int(Read) << EmulatorFault::LateReply << CommFault
                               << QStringList { CommFault } << false;
    QTest::newRow("read short") << int(Read) << EmulatorFault::ShortReply << CannotSet
                                << QStringList {} << false;
    QTest::newRow("read long") << int(Read) << EmulatorFault::LongReply << CannotSet
                               << QStringList {} << false;
    QTest::newRow("read non-hex") << int(Read) << EmulatorFault::NonHex << CannotSet
                                  << QStringList {} << false;
    QTest::newRow("write not sticking") << int(Write) << EmulatorFault::WriteNotSticking
                                        << u"Verify was NG."_qs << QStringList {} << true;
    QTest::newRow("write no answer") << int(Write) << EmulatorFault::NoAnswer
                                     << u"Verify was NG."_qs << QStringList(3, CommFault) << true;
    QTest::newRow("default write no answer") << int(DefaultWrite) << EmulatorFault::NoAnswer
                                             << CommFault << QStringList(4, CommFault) << false;
    QTest::newRow("clear no answer")
        << int(Clear) << EmulatorFault::NoAnswer << CommFault << QStringList { CommFault } << false;
    QTest::newRow("clear short read")
        << int(Clear) << EmulatorFault::ShortReply << CannotSet << QStringList {} << false;
    QTest::newRow("get no answer")
        << int(Get) << EmulatorFault::NoAnswer << CommFault << QStringList { CommFault } << false;
}

void TstOperations::faults_reportAsToldAndNeverTouchDisk()
{
    QFETCH(int, op);
    QFETCH(EmulatorFault, fault);
    QFETCH(QString, line);
    QFETCH(QStringList, boxes);
    QFETCH(bool, rowsFilled);

    if (op == Write) {
        click(Read);
        m_frm->rows().TxtData(0)->setText(u"1200"_qs);
    }
    const QByteArray imageBefore = m_emulator->image();
    const QByteArray logBefore = m_emulator->log();
    m_emulator->setFault(fault);
    m_emulator->clearReceived();
    click(op);

    QCOMPARE(m_prompts.messages, boxes);
    QCOMPARE(m_frm->TxtMsg()->text(), line);
    QCOMPARE(m_frm->messageColour(), line == Completion ? ExchangeHost::Black : ExchangeHost::Red);
    QCOMPARE(m_frm->rows().TxtData(0)->text().isEmpty(), !rowsFilled);
    QCOMPARE(buttonStates(), (QList<bool> { true, rowsFilled, true, true, true }));
    if (op != Write)
        QCOMPARE(m_emulator->image(), imageBefore);
    // The log is erased only after a good setting read.
    QCOMPARE(m_emulator->log(), logBefore);
    QVERIFY(!m_emulator->receivedBytes().contains("be"));
    verifyDiskUntouched();
}

void TstOperations::plugPulledMidReply_closesPortAndComPortMenuReopens()
{
    m_emulator->setFault(EmulatorFault::PullPlug);
    m_commands->exchange().setTimeScale(1.0);
    QElapsedTimer clock;
    clock.start();
    click(Read);
    // The loss ends the wait: no full reply window passes.
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!m_frm->portOpen());
    QCOMPARE(buttonStates(), QList<bool>(5, false));
    QCOMPARE(m_frm->messageColour(), ExchangeHost::Red);
    QVERIFY(m_frm->rows().TxtData(0)->text().isEmpty());

    m_emulator->setFault(EmulatorFault::None);
    QVERIFY(m_emulator->plugIn());
    int dialogs = 0;
    m_rc->setPortDialog([&] {
        ++dialogs;
        m_state.PortCancelled = false;
        m_state.ComPortNo = 16;
    });
    m_frm->mnuCom_Click();
    QCOMPARE(dialogs, 1);
    QVERIFY(m_frm->portOpen());
    QCOMPARE(buttonStates(), (QList<bool> { true, false, true, true, true }));
    m_prompts.messages.clear();
    click(Read);
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
    QCOMPARE(m_frm->rows().TxtData(0)->text(), u"1000"_qs);
    QVERIFY(m_prompts.messages.isEmpty());
    verifyDiskUntouched();
}

void TstOperations::closingDuringWait_endsAtOnceWithoutBoxes()
{
    m_emulator->setFault(EmulatorFault::NoAnswer);
    QSignalSpy sent(m_emulator.get(), &Tz586kvEmulator::commandReceived);
    QElapsedTimer clock;
    qint64 closedAt = -1;
    QTimer::singleShot(100, m_frm.get(), [&] {
        QVERIFY(m_commands->exchange().isWaiting());
        closedAt = clock.elapsed();
        m_frm->close();
    });
    clock.start();
    click(Get);
    const qint64 took = clock.elapsed();
    QVERIFY(closedAt >= 0);
    QVERIFY2(took - closedAt < 100, qPrintable(QString::number(took - closedAt)));
    QCOMPARE(m_quits, 1);
    QVERIFY(m_prompts.messages.isEmpty());
    QVERIFY(!m_frm->portOpen());
    QVERIFY(!m_commands->logWindow());
    QVERIFY(m_commands->exchange().aborted());
    QCOMPARE(sent.size(), 1);
}

QTEST_MAIN(TstOperations)
#include "tst_operations.moc"
