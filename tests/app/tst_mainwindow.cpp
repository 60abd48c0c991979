#include "../files/fileio.h"
#include "appcontext.h"
#include "fakeprompts.h"
#include "fakeserialline.h"
#include "fontfit.h"
#include "historystore.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "settingvalues.h"
#include "startup.h"

#include <QtTest>
#include <QtWidgets>

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(writeAll(m_dir.filePath(u"TZ586KV Link.ini"_qs), "[RS232C]\nCommPort=3\n"));
        m_state = AppState();
        m_state.appPath = m_dir.path();
        m_line.close();
        m_line.openable = { PortName::ofNumber(3).device(), PortName::ofNumber(4).device() };
        m_context = std::make_unique<AppContext>(m_state, m_line);
        m_window = std::make_unique<MainWindow>(*m_context, m_values, m_prompts);
        m_window->setQuit([] {});
        startUp(*m_context, *m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(m_line.isOpen());
    }
    void cleanup() { m_window.reset(); }

    void captions_areNeverClipped()
    {
        QWidget* client = m_window->client();
        QStringList clipped;
        const auto check = [&](const QWidget* w, const QString& text, int extra) {
            const QFontMetrics metrics(w->font());
            if (w->isVisibleTo(m_window.get())
                && (metrics.horizontalAdvance(text) + extra > w->width()
                    || metrics.height() > w->height()))
                clipped.append(text);
        };
        for (const QLabel* label : client->findChildren<QLabel*>())
            check(label, label->text(), 0);
        for (const QPushButton* button : client->findChildren<QPushButton*>())
            check(
                button, button->text(), 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin));
        for (const QCheckBox* box : client->findChildren<QCheckBox*>())
            check(box, box->text(), box->style()->pixelMetric(QStyle::PM_IndicatorWidth));
        for (const QGroupBox* frame : client->findChildren<QGroupBox*>())
            check(frame, frame->title(), 0);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u", ")));
        QVERIFY(!client->findChild<QWidget*>(ObjectName::HiddenFrame)->isVisibleTo(client));
    }
    void comPortMenu_opensOrClosesAndSetsButtons()
    {
        for (const bool cancel : { true, false }) {
            QStringList log;
            m_line.log = &log;
            m_context->setPortDialog([&] {
                [&] { QVERIFY(!m_line.isOpen()); }();
                m_state.portNumber = 4;
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
    void fittingFont_takesTheLargestHalfPointThatFits()
    {
        // base size, largest size that fits, expected choice
        for (const auto& [base, limit, expected] : { std::tuple { 9.0, 9.0, 9.0 },
                 { 10.0, 7.6, 7.5 }, { 9.75, 9.6, 9.5 }, { 9.0, 5.0, 6.0 } }) {
            QFont font;
            font.setPointSizeF(base);
            int probes = 0;
            const QFont chosen = fittingFont(font, [&, limit = limit](const QFont& f) {
                ++probes;
                return f.pointSizeF() <= limit;
            });
            QCOMPARE(chosen.pointSizeF(), expected);
            QVERIFY2(probes <= 4, qPrintable(QString::number(probes))); // each probe loads a font
        }
    }
    // Tab goes down the rows as drawn, Return presses the focused button and
    // Ctrl+O / Ctrl+S reach the setting file commands.
    void keyboard_followsTheRowsAndPressesButtons()
    {
        for (int i = 0; i < CommandCount; ++i)
            m_window->commandButton(static_cast<Command>(i))->setEnabled(true);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
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

        QSignalSpy clicked(m_window.get(), &MainWindow::commandClicked);
        QTest::keyClick(m_window->commandButton(Command::Write), Qt::Key_Return);
        QCOMPARE(clicked.value(0), QVariantList { QVariant::fromValue(Command::Write) });
        QSignalSpy open(m_window.get(), &MainWindow::openSettingFile);
        QSignalSpy save(m_window.get(), &MainWindow::saveSettingFile);
        QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(open.size() + save.size(), 2);
    }

    // Help, after Exit: the About box states where the files are; "Command-line
    // program" shows what tz586kv --help prints.
    void helpMenu_statesThePathsAndTheCommandHelp()
    {
        MainController controller(*m_context, *m_window, m_values);
        HistoryStore history(m_dir.filePath(u"history"_qs));
        controller.setHistory(&history);
        QMenu* help = m_window->menuBar()->actions().last()->menu();
        help->actions().first()->trigger();
        auto* about = m_window->findChild<QDialog*>(u"DlgAbout"_qs);
        QCOMPARE(about->findChild<QLineEdit*>(u"Configuration file"_qs)->text(),
            QDir::toNativeSeparators(m_dir.filePath(u"TZ586KV Link.ini"_qs)));
        QTest::mouseClick(about->findChildren<QPushButton*>().at(4), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QDir::toNativeSeparators(history.root()));
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
    AppState m_state;
    FakeSerialLine m_line;
    FakePrompts m_prompts;
    SettingValues m_values;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
