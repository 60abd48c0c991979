#include "fakeprompts.h"
#include "fakeserialline.h"
#include "historystore.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "testmain.h"
#include "testprogram.h"

#include <QtTest>
#include <QtWidgets>

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_line.close();
        m_line.openable = { PortName::ofNumber(3).device(), PortName::ofNumber(4).device() };
        m_program = startProgram(m_dir.path(), "[RS232C]\nCommPort=3\n",
            { .prompts = &m_prompts, .line = &m_line, .timeScale = 0.01, .quit = [] {} });
        QVERIFY(m_program);
        m_window = &m_program->window();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QVERIFY(m_line.isOpen());
    }
    void cleanup() { m_program.reset(); }

    void comPortMenu_opensOrClosesAndSetsButtons()
    {
        for (const bool cancel : { true, false }) {
            QStringList log;
            m_line.log = &log;
            m_program->context().setPortDialog([&] {
                [&] { QVERIFY(!m_line.isOpen()); }();
                m_program->state().portNumber = 4;
                return cancel ? AppContext::DialogAnswer::Cancel : AppContext::DialogAnswer::Ok;
            });
            m_window->findChild<QAction*>(ObjectName::PortMenu)->trigger();
            m_line.log = nullptr;
            QCOMPARE(log.size(), cancel ? 0 : 1); // no attempt after Cancel
            QCOMPARE(m_line.isOpen(), !cancel);
            QCOMPARE(m_window->messageLine()->text(),
                cancel ? u"ComPort cannot be opened."_qs : u"CommPort was initialized."_qs);
            const QList<bool> enabled { !cancel, false, !cancel, !cancel, !cancel };
            QCOMPARE(buttonStates(), enabled);
        }
    }

    void lostLine_showsRedLineAndDisablesButtons()
    {
        m_window->commandButton(Command::Write)->setEnabled(true);
        m_line.pull();
        QCOMPARE(m_window->messageLine()->text(), u"ComPort cannot be opened."_qs);
        QCOMPARE(m_window->messageLine()->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(buttonStates(), QList<bool>(5, false));
    }
    // Tab goes down the rows as drawn, Return presses the focused button and
    // Ctrl+O / Ctrl+S reach the setting file commands.
    void keyboard_followsTheRowsAndPressesButtons()
    {
        for (int i = 0; i < CommandCount; ++i)
            m_window->commandButton(static_cast<Command>(i))->setEnabled(true);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_window->commandButton(Command::Read)->setFocus();
        QStringList order;
        for (int i = 0; i < 20; ++i) {
            order.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order.join(u' '),
            u"CmdTzCom0 CmdTzCom1 CmdTzCom2 CmdTzCom3 CmdTzCom4 TxtData0 TxtData1 TxtData5 "
            u"TxtData6 "
            "ChkCurLimOff TxtData7 TxtData12 TxtData11 TxtData8 TxtData9 TxtData10 TxtData14 "
            "TxtData13 ChkMode4 ChkMode2");

        QSignalSpy clicked(m_window, &MainWindow::commandClicked);
        QTest::keyClick(m_window->commandButton(Command::Write), Qt::Key_Return);
        QCOMPARE(clicked.value(0), QVariantList { QVariant::fromValue(Command::Write) });
        QSignalSpy open(m_window, &MainWindow::openSettingFile);
        QSignalSpy save(m_window, &MainWindow::saveSettingFile);
        QTest::keyClick(m_window, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(open.size() + save.size(), 2);
    }

    // Help, after Exit: the About box states where the files are; "Command-line
    // program" shows what tz586kv --help prints.
    void helpMenu_statesThePathsAndTheCommandHelp()
    {
        QMenu* help = m_window->menuBar()->actions().last()->menu();
        help->actions().first()->trigger();
        auto* about = m_window->findChild<QDialog*>(u"DlgAbout"_qs);
        QCOMPARE(about->findChild<QLineEdit*>(u"Configuration file"_qs)->text(),
            QDir::toNativeSeparators(m_dir.filePath(u"TZ586KV Link.ini"_qs)));
        QTest::mouseClick(about->findChildren<QPushButton*>().at(4), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
            QDir::toNativeSeparators(m_program->history().root()));
        help->actions().last()->trigger();
        QVERIFY(
            m_window->findChild<QPlainTextEdit*>()->toPlainText().startsWith(u"Usage: tz586kv"_qs));
    }

private:
    QList<bool> buttonStates() const
    {
        QList<bool> states;
        for (int i = 0; i < CommandCount; ++i)
            states.append(m_window->commandButton(static_cast<Command>(i))->isEnabled());
        return states;
    }

    QTemporaryDir m_dir;
    FakeSerialLine m_line;
    FakePrompts m_prompts;
    std::unique_ptr<WindowProgram> m_program;
    MainWindow* m_window = nullptr;
};

TZ_TEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
