#include "controlleremulator.h"
#include "fakeprompts.h"
#include "frmlog.h"
#include "frmmain.h"
#include "maincommands.h"
#include "parameterrows.h"
#include "qtserialline.h"
#include "startup.h"
#include "testrc.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
constexpr double Fast = 0.05; // 3 s reply windows become 150 ms
const QString IniName = QStringLiteral("TZ586KV Link.ini");
const QString CommFault = QStringLiteral("RS232 communication fault.");
const QString CannotSet = QStringLiteral("TZ cannot be set.");
const QString Completion = QStringLiteral("Completion");
enum Op { Read = 0, Write = 1, Get = 3 };
}

Q_DECLARE_METATYPE(EmulatorFault)

class TstOperations : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void get_showsLogWithoutTakingFocus_andSecondGetKeepsWindowPlace();
    void readWriteAndFaults_reportAsToldAndNeverTouchDisk_data();
    void readWriteAndFaults_reportAsToldAndNeverTouchDisk();
    void plugPulledMidReply_closesPortAndComPortMenuReopens();
    void closingDuringWait_endsAtOnceWithoutBoxes();

private:
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
    m_emulator = std::make_unique<Tz586kvEmulator>();
    m_emulator->setDelayScale(Fast);
    // The link keeps the port's name when the plug goes back in.
    QVERIFY(m_emulator->start(m_ttyDir->filePath(u"tz"_qs)));
    m_ini = "[RS232C]\nCommPort=16\n[Ports]\nCom16=" + m_emulator->linkPath().toUtf8() + "\n";
    QFile file(m_dir->filePath(IniName));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(m_ini) == m_ini.size() && file.flush());
    m_state = AppState();
    m_state.AppPath = m_dir->path();
    m_prompts.messages.clear();
    m_quits = 0;
    m_line = std::make_unique<QtSerialLine>();
    m_rc = std::make_unique<TestRC>(m_state, *m_line);
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
}

void TstOperations::get_showsLogWithoutTakingFocus_andSecondGetKeepsWindowPlace()
{
    // The whole log takes longer than a shortened reply window.
    m_commands->exchange().setTimeScale(1.0);
    QLineEdit* box = m_frm->rows().TxtData(0);
    box->setFocus();
    m_frm->CmdTzCom(Get)->click();
    FrmLog* log = m_commands->logWindow();
    // Activation arrives through the event queue: let it come before looking.
    QVERIFY(log && QTest::qWaitForWindowExposed(log));
    QCOMPARE(m_commands->store().RunVolt(1), 8.7f); // 0x70 * 198 / 2550, one decimal
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
    QCOMPARE(m_frm->focusWidget(), box);

    const QPoint moved = log->pos() + QPoint(40, 30);
    log->move(moved);
    QTRY_COMPARE(log->pos(), moved);
    m_emulator->setLog(QByteArray(Tz586kvEmulator::LogLength, '0'));
    m_frm->CmdTzCom(Get)->click();
    QCOMPARE(m_commands->logWindow(), log);
    QCOMPARE(log->pos(), moved);
    QCOMPARE(m_commands->store().RunVolt(512), 0.0f);
    QCOMPARE(m_frm->focusWidget(), box);
}

void TstOperations::readWriteAndFaults_reportAsToldAndNeverTouchDisk_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<EmulatorFault>("fault");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("boxes");
    using F = EmulatorFault;
    QTest::newRow("read") << 0 << F::None << Completion << QStringList {};
    QTest::newRow("read no answer") << 0 << F::NoAnswer << CommFault << QStringList { CommFault };
    QTest::newRow("read no end") << 0 << F::NoTerminator << CannotSet << QStringList { CannotSet };
    QTest::newRow("read short") << 0 << F::ShortReply << CannotSet << QStringList {};
    QTest::newRow("model FF") << 0 << F::Deleted << Completion
                              << QStringList { u"Setting Data is deleted."_qs };
    QTest::newRow("model 03") << 0 << F::OtherModel << Completion
                              << QStringList { u"TZ type is different."_qs };
    QTest::newRow("write") << 1 << F::None << Completion << QStringList {};
    QTest::newRow("write not sticking")
        << 1 << F::WriteNotSticking << u"Verify was NG."_qs << QStringList {};
    QTest::newRow("get no answer") << 3 << F::NoAnswer << CommFault << QStringList { CommFault };
}

void TstOperations::readWriteAndFaults_reportAsToldAndNeverTouchDisk()
{
    QFETCH(int, op);
    QFETCH(EmulatorFault, fault);
    QFETCH(QString, line);
    QFETCH(QStringList, boxes);
    if (op == Write) {
        m_frm->CmdTzCom(Read)->click();
        m_frm->rows().TxtData(0)->setText(u"1200"_qs);
    }
    SampleStore& store = m_commands->store();
    store.held = true; // a log from before, with its first sample missing
    const QByteArray logBefore = m_emulator->log();
    m_frm->rows().TxtData(1)->setFocus();
    m_emulator->setFault(fault);
    m_frm->CmdTzCom(op)->click();
    const bool filled = op == Write || fault == EmulatorFault::None;

    QCOMPARE(m_prompts.messages, boxes);
    QCOMPARE(m_frm->TxtMsg()->text(), line);
    for (int i = 0; i < FrmMain::CommandCount; ++i)
        QCOMPARE(m_frm->CmdTzCom(i)->isEnabled(), i != Write || filled);
    QCOMPARE(m_frm->rows().TxtData(0)->text().isEmpty(), !filled);
    // Clicked as from a shortcut: the button does not take the focus itself.
    QCOMPARE(QApplication::focusWidget(),
        op == Get ? static_cast<QWidget*>(m_frm->rows().TxtData(1)) : m_frm->CmdTzCom(op));
    if (op == Read && filled) {
        QStringList texts;
        for (int i : VisibleRows)
            texts.append(m_frm->rows().TxtData(i)->text());
        QCOMPARE(texts, u"1000 5000 10 3.5 150 200 60 50 80 30 40 20"_qs.split(u' '));
        int reverse = 0;
        while (m_frm->rows().ChkMode(reverse)->text() != u"Reverse Cancel")
            QVERIFY(++reverse < ModeCount);
        QVERIFY(m_frm->rows().ChkMode(reverse)->isChecked());
    }
    // 1200 = 0x04B0, low byte first; nothing else of the image moves.
    if (op == Write && fault == EmulatorFault::None)
        QCOMPARE(m_emulator->image(), "B004" + Tz586kvEmulator::defaultImage().mid(4));
    QVERIFY(!m_commands->logWindow() && store.RunVolt(1) == SampleStore::Missing && store.held);
    // The log is erased only after a good setting read.
    QCOMPARE(m_emulator->log(), logBefore);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { IniName });
    QFile file(m_dir->filePath(IniName));
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == m_ini);
}

void TstOperations::plugPulledMidReply_closesPortAndComPortMenuReopens()
{
    m_emulator->setFault(EmulatorFault::PullPlug);
    m_frm->CmdTzCom(Read)->click();
    QVERIFY(!m_frm->portOpen());
    for (int i = 0; i < FrmMain::CommandCount; ++i)
        QVERIFY(!m_frm->CmdTzCom(i)->isEnabled());

    m_emulator->setFault(EmulatorFault::None);
    QVERIFY(m_emulator->plugIn());
    m_rc->setPortDialog([&] { m_state.PortCancelled = false; });
    m_frm->mnuCom_Click();
    QVERIFY(m_frm->portOpen());
    m_frm->CmdTzCom(Read)->click();
    QCOMPARE(m_frm->TxtMsg()->text(), Completion);
}

void TstOperations::closingDuringWait_endsAtOnceWithoutBoxes()
{
    m_emulator->setFault(EmulatorFault::NoAnswer);
    QElapsedTimer clock;
    QTimer::singleShot(100, m_frm.get(), [&] {
        QVERIFY(m_commands->exchange().isWaiting());
        clock.start();
        m_frm->close();
    });
    m_frm->CmdTzCom(Get)->click();
    QVERIFY(clock.isValid() && clock.elapsed() < 100);
    QCOMPARE(m_quits, 1);
    QVERIFY(m_prompts.messages.isEmpty() && !m_frm->portOpen() && !m_commands->logWindow());
}

QTEST_MAIN(TstOperations)
#include "tst_operations.moc"
