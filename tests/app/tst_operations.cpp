#include "controlleremulator.h"
#include "fakeprompts.h"
#include "historystore.h"
#include "historywindow.h"
#include "logwindow.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "outcometext.h"
#include "parameterboxes.h"
#include "serialline.h"
#include "testmain.h"
#include "testprogram.h"

#include <QtTest>
#include <QtWidgets>

namespace {
constexpr double Fast = 0.05; // 3 s reply windows become 150 ms
const QString IniName = QStringLiteral("TZ586KV Link.ini");
const QString CommFault = QStringLiteral("RS232 communication fault.");
const QString CannotSet = QStringLiteral("TZ cannot be set.");
const QString Completion = QStringLiteral("Completion");
const QString Abnormal = QStringLiteral("Data is abnormal!!");
using enum Command;
}

class TstOperations : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void get_locksFileAndPortMenusAndShowsLogFocusOnGet();
    void outcomes_reportAsToldAndNeverTouchDisk_data();
    void outcomes_reportAsToldAndNeverTouchDisk();
    void plugPulledMidReply_closesPortAndComPortMenuReopens();
    void portChosenAgain_writeReadsTheControllerFirst();
    void swappedController_writeNamesTheEntryKeepingItsSettings();
    void noPort_openedFileLeavesWriteOff();
    void write_showsWhatTheControllerStores();
    void closingDuringWait_endsAtOnceWithoutBoxes();
    void history_keepsEveryImageInOrderAndLoadShowsOne();
    void readOnlyHistory_endsAsBeforeAndSaysSoOnce();

private:
    QPushButton* button(Command c) const { return m_window->commandButton(c); }
    QLineEdit* box(Parameter p) const { return m_window->boxes().valueBox(p); }

    void choosePortAgain(AppContext::DialogAnswer answer);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_ttyDir;
    std::unique_ptr<Tz586kvEmulator> m_emulator;
    FakePrompts m_prompts;
    std::unique_ptr<WindowProgram> m_program;
    MainWindow* m_window = nullptr;
    MainController* m_controller = nullptr;
    HistoryStore* m_history = nullptr;
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
    m_prompts = FakePrompts();
    m_quits = 0;
    m_program = startProgram(m_dir->path(), m_ini,
        { .prompts = &m_prompts, .timeScale = Fast, .quit = [this] { ++m_quits; } });
    QVERIFY(m_program);
    m_window = &m_program->window();
    m_controller = &m_program->controller();
    m_history = &m_program->history();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(m_program->line().isOpen());
}

void TstOperations::cleanup()
{
    m_program.reset();
    m_emulator.reset();
}

void TstOperations::choosePortAgain(AppContext::DialogAnswer answer)
{
    m_program->context().setPortDialog([answer] { return answer; });
    m_window->findChild<QAction*>(ObjectName::PortMenu)->trigger();
}

void TstOperations::get_locksFileAndPortMenusAndShowsLogFocusOnGet()
{
    // The whole log takes longer than a shortened reply window.
    m_controller->exchange().setTimeScale(1.0);
    box(Parameter::PwmFrequencyMinLoad)->setFocus();
    auto* file = m_window->findChild<QMenu*>(ObjectName::FileMenu);
    auto* port = m_window->findChild<QAction*>(ObjectName::PortMenu);
    bool locked = false;
    QTimer::singleShot(300, m_window, [&] {
        locked = !file->isEnabled() && !port->isEnabled()
            && m_window->findChild<QAction*>(ObjectName::ExitMenu)->isEnabled();
        // Nothing else may start while the line works.
        m_window->fileAction(ObjectName::OpenSettingFile)->trigger();
        m_controller->run(Read);
    });
    button(Get)->click();
    LogWindow* log = m_controller->logWindow();
    // Activation arrives through the event queue: let it come before looking.
    QVERIFY(log && QTest::qWaitForWindowExposed(log));
    QVERIFY(locked && file->isEnabled() && port->isEnabled());
    QCOMPARE(m_emulator->receivedBytes(), "br");
    QVERIFY(m_prompts.dialogs.isEmpty());
    QCOMPARE(m_window->messageLine()->text(), Completion);
    // One stray key must not replace a value: the focus is back on Get.
    QCOMPARE(m_window->focusWidget(), button(Get));

    const QPoint moved = log->pos() + QPoint(40, 30);
    log->move(moved);
    QTRY_COMPARE(log->pos(), moved);
    m_emulator->setLog(QByteArray(Tz586kvEmulator::LogLength, '0'));
    button(Get)->click();
    QCOMPARE(m_controller->logWindow(), log);
    QCOMPARE(log->pos(), moved);
    QCOMPARE(m_controller->store().voltsAt(512), 0.0f);
}

void TstOperations::outcomes_reportAsToldAndNeverTouchDisk_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<EmulatorFault>("fault");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("boxes"); // the texts of the message boxes, joined by |
    using F = EmulatorFault;
    QTest::newRow("read") << Read << F::None << Completion << QString();
    QTest::newRow("read no answer") << Read << F::NoAnswer << CommFault << CommFault;
    QTest::newRow("model FF") << Read << F::Deleted << Completion << u"Setting Data is deleted."_qs;
    QTest::newRow("model 03") << Read << F::OtherModel << Completion << u"TZ type is different."_qs;
    QTest::newRow("write") << Write << F::None << Completion << QString();
    // The controller holds dead band 100, which the window may not write.
    QTest::newRow("write refused")
        << Write << F::None << Abnormal << Abnormal + u"\r\nPlease set it correctly."_qs;
    QTest::newRow("write not sticking")
        << Write << F::WriteNotSticking << u"Verify was NG."_qs << QString();
    // Another controller was put on the cable: nothing is sent to it.
    QTest::newRow("write into model 03")
        << Write << F::OtherModel << u"TZ type is different."_qs << QString();
    QTest::newRow("write into deleted")
        << Write << F::Deleted << u"Setting Data is deleted."_qs << QString();
    QTest::newRow("get no answer") << Get << F::NoAnswer << CommFault << CommFault;
    QTest::newRow("get short") << Get << F::ShortReply << CannotSet << QString();
}

void TstOperations::outcomes_reportAsToldAndNeverTouchDisk()
{
    QFETCH(Command, command);
    QFETCH(EmulatorFault, fault);
    QFETCH(QString, line);
    QFETCH(QString, boxes);
    const bool refused = line == Abnormal;
    QByteArray held = Tz586kvEmulator::defaultImage();
    m_emulator->setImage(refused ? held.replace(32, 2, "64") : held);
    if (command == Write) {
        button(Read)->click();
        box(Parameter::PwmFrequencyMinLoad)->setText(u"1200"_qs);
    }
    box(Parameter::PwmFrequencyMaxLoad)->setFocus();
    // A whole log takes longer than a shortened reply window.
    if (command == Get && fault != EmulatorFault::NoAnswer)
        m_controller->exchange().setTimeScale(1.0);
    m_emulator->setFault(fault);
    button(command)->click();
    const bool filled = command == Write || fault == EmulatorFault::None;
    const bool otherController = command == Write
        && (fault == EmulatorFault::Deleted || fault == EmulatorFault::OtherModel);

    QCOMPARE(m_prompts.messages.join(u'|'), boxes);
    QCOMPARE(m_window->messageLine()->text(), line);
    const QString tip = m_window->messageLine()->toolTip();
    if (otherController)
        QVERIFY2(tip.startsWith(u"The controller held other settings"_qs), qPrintable(tip));
    else
        QCOMPARE(tip,
            fault == EmulatorFault::WriteNotSticking
                ? u"PWM frequency(at Min. load): 1200 Hz -> 1000 Hz"_qs
                : QString());
    QCOMPARE(
        m_window->messageTone(), line == Completion ? MessageTone::Normal : MessageTone::Failure);
    for (int i = 0; i < CommandCount; ++i)
        QCOMPARE(
            button(Command(i))->isEnabled(), Command(i) != Write || (filled && !otherController));
    QCOMPARE(box(Parameter::PwmFrequencyMinLoad)->text().isEmpty(), !filled);
    // Clicked as from a shortcut: the button does not take the focus itself; a refusal
    // takes it to the value to correct.
    QCOMPARE(QApplication::focusWidget(),
        refused               ? box(Parameter::DeadBand)
            : otherController ? static_cast<QWidget*>(button(Read))
                              : static_cast<QWidget*>(button(command)));
    if (command == Read && filled)
        QVERIFY(m_window->boxes().modeBox(Mode::ReverseCancel)->isChecked());
    // 1200 = 0x04B0, low byte first; nothing else of the image moves. A refusal sends nothing.
    if (command == Write && (fault == EmulatorFault::None || otherController))
        QCOMPARE(
            m_emulator->image(), refused || otherController ? held : held.replace(0, 4, "B004"));
    QVERIFY(!m_controller->logWindow() && !m_controller->store().held);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { IniName });
    QCOMPARE(readAll(m_dir->filePath(IniName)), m_ini);
}

void TstOperations::plugPulledMidReply_closesPortAndComPortMenuReopens()
{
    m_emulator->setFault(EmulatorFault::PullPlug);
    button(Read)->click();
    QVERIFY(!m_program->line().isOpen());
    for (int i = 0; i < CommandCount; ++i)
        QVERIFY(!button(Command(i))->isEnabled());
    // The operation's own outcome stays; its tooltip says the port went.
    QCOMPARE(m_window->messageLine()->text(), CannotSet);
    QVERIFY(m_window->messageLine()->toolTip().startsWith(u"The port was lost"_qs));
    QVERIFY(m_window->findChild<QAction*>(ObjectName::PortMenu)->isEnabled());

    m_emulator->setFault(EmulatorFault::None);
    QVERIFY(m_emulator->plugIn());
    choosePortAgain(AppContext::DialogAnswer::Ok);
    QVERIFY(m_program->line().isOpen());
    button(Read)->click();
    QCOMPARE(m_window->messageLine()->text(), Completion);
}

// Another controller may be behind the port now: its own bytes must be read.
void TstOperations::portChosenAgain_writeReadsTheControllerFirst()
{
    button(Read)->click();
    choosePortAgain(AppContext::DialogAnswer::Ok);
    // After the port changed, Write waits for an operation or a file.
    QVERIFY(!button(Write)->isEnabled());
    QVERIFY(m_controller->showSettingFile(QString::fromLatin1(Tz586kvEmulator::defaultImage())));
    m_emulator->clearReceived();
    button(Write)->click();
    QCOMPARE(m_emulator->receivedBytes().left(4), "srsw");
    QCOMPARE(m_window->messageLine()->text(), Completion);
}

void TstOperations::swappedController_writeNamesTheEntryKeepingItsSettings()
{
    button(Read)->click();
    QByteArray other = Tz586kvEmulator::defaultImage();
    other.replace(8, 4, "DC05"); // a hidden value of its own
    m_emulator->setImage(other);
    button(Write)->click();
    QCOMPARE(m_window->messageLine()->text(), Completion);
    QCOMPARE(m_emulator->image(), other);
    const HistoryStore::Entry kept = m_history->entries().first();
    QCOMPARE(kept.image.toLatin1(), other);
    QCOMPARE(m_window->messageLine()->toolTip(),
        replacedControllerText(QFileInfo(kept.path).completeBaseName()));
}

void TstOperations::noPort_openedFileLeavesWriteOff()
{
    choosePortAgain(AppContext::DialogAnswer::Cancel);
    QVERIFY(m_controller->showSettingFile(QString::fromLatin1(Tz586kvEmulator::defaultImage())));
    QVERIFY(!button(Write)->isEnabled());
}

void TstOperations::write_showsWhatTheControllerStores()
{
    button(Read)->click();
    box(Parameter::LowBatteryCutoff)->setText(u"3.42"_qs);
    button(Write)->click();
    QCOMPARE(m_window->messageLine()->text(), Completion);
    QCOMPARE(box(Parameter::LowBatteryCutoff)->text(), u"3.4"_qs);
}

void TstOperations::closingDuringWait_endsAtOnceWithoutBoxes()
{
    m_emulator->setFault(EmulatorFault::NoAnswer);
    m_controller->exchange().setTimeScale(1.0); // a 10 s window that only the close can end
    QElapsedTimer clock;
    QTimer::singleShot(100, m_window, [&] {
        QVERIFY(m_controller->exchange().isWaiting());
        clock.start();
        m_window->close();
    });
    button(Get)->click();
    QVERIFY(clock.isValid() && clock.elapsed() < 2000);
    QCOMPARE(m_quits, 1);
    QVERIFY(
        m_prompts.messages.isEmpty() && !m_program->line().isOpen() && !m_controller->logWindow());
}

void TstOperations::history_keepsEveryImageInOrderAndLoadShowsOne()
{
    const QString stock = QString::fromLatin1(Tz586kvEmulator::defaultImage());
    const QString written = u"B004"_qs + stock.mid(4);
    const auto kept = [this] {
        QStringList images;
        for (const HistoryStore::Entry& e : m_history->entries())
            images.append(e.image);
        for (const QByteArray& line :
            readAll(m_history->root() + u"/index.tsv"_qs).trimmed().split('\n'))
            images.append(QString::fromLatin1(line.split('\t').value(1)));
        return images;
    };
    button(Read)->click();
    QCOMPARE(kept(), (QStringList { stock, u"read"_qs }));
    QCOMPARE(m_history->entries().first().port, m_emulator->linkPath());

    QLineEdit* first = box(Parameter::PwmFrequencyMinLoad);
    const QString range = first->toolTip();
    first->setText(u"1200"_qs);
    QCOMPARE(first->toolTip(), range + u"\ncontroller holds 1000"_qs);
    QVERIFY(first->font().underline());
    button(Write)->click();
    QCOMPARE(first->toolTip(), range);
    QVERIFY(!first->font().underline());
    button(DefaultWrite)->click();
    QCOMPARE(kept(),
        u"%1 %2 %1 read before-write written read verified before-default default-write"_qs
            .arg(stock, written)
            .split(u' '));

    m_window->fileAction(ObjectName::HistoryMenu)->trigger();
    HistoryWindow* history = m_controller->historyWindow();
    QVERIFY(history && history->isVisible());
    history->list()->setCurrentItem(history->list()->topLevelItem(1));
    history->cmdLoad()->click();
    QCOMPARE(first->text(), u"1200"_qs);
}

void TstOperations::readOnlyHistory_endsAsBeforeAndSaysSoOnce()
{
    QVERIFY(QDir().mkpath(m_history->root()));
    QVERIFY(QFile::setPermissions(m_history->root(), QFile::ReadOwner | QFile::ExeOwner));
    m_controller->historyNotice().setDelay(0);
    button(Read)->click();
    QCOMPARE(m_window->messageLine()->text(), Completion);
    QTRY_COMPARE(m_window->messageLine()->text(), m_history->failureText());
    QCOMPARE(m_window->messageTone(), MessageTone::Normal);
    box(Parameter::PwmFrequencyMinLoad)->setText(u"1200"_qs);
    button(Write)->click();
    QCOMPARE(m_window->messageLine()->text(), Completion);
    QVERIFY(!m_controller->historyNotice().waiting());
    QCOMPARE(m_emulator->image().left(4), "B004");
}

TZ_TEST_MAIN(TstOperations)
#include "tst_operations.moc"
