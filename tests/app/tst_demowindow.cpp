#include "appcontext.h"
#include "fakeprompts.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "portdialog.h"
#include "portline.h"
#include "settingvalues.h"
#include "startup.h"
#include "tcpemulator.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Title = QStringLiteral("TZ586KV Link");
const QString DemoTitle = QStringLiteral("TZ586KV Link - Demo controller");
const QString Closed = QStringLiteral("ComPort cannot be opened.");
}

// The window on the demo controller and on a network port, as a user
// starting the program with such a configuration meets them.
class TstDemoWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        m_controller.reset();
        m_window.reset();
        m_context.reset();
        m_line.reset();
    }

    void demoMenu_makesTheNextExchangesFail_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box"); // none when empty
        const QString done = u"Completion"_qs, commFault = u"RS232 communication fault."_qs;
        const QString cannotSet = u"TZ cannot be set."_qs;
        const auto row = [](const char* item, Command command) -> QTestData& {
            return QTest::newRow(item) << QString::fromLatin1(item) << command;
        };
        row("Answer properly", Command::Read) << done << QString();
        row("No answer", Command::Read) << commFault << commFault;
        row("Reply cut short", Command::Read) << cannotSet << cannotSet;
        row("Non-hex data", Command::Read) << cannotSet << QString();
        row("Verify fails", Command::Write) << u"Verify was NG."_qs << QString();
        row("Setting data deleted", Command::Read) << done << u"Setting Data is deleted."_qs;
        row("Another model", Command::Read) << done << u"TZ type is different."_qs;
        row("Unplugged", Command::Read) << cannotSet << cannotSet;
    }
    void demoMenu_makesTheNextExchangesFail()
    {
        QFETCH(QString, item);
        QFETCH(Command, command);
        QFETCH(QString, message);
        QFETCH(QString, box);
        start("[RS232C]\nCommPort=demo\n");
        QCOMPARE(m_window->windowTitle(), DemoTitle);
        QCOMPARE(m_window->messageLine()->text(), u"Demo controller connected."_qs);
        auto* menu = m_window->findChild<QMenu*>(ObjectName::DemoMenu);
        QVERIFY(menu && menu->menuAction()->isVisible());
        m_window->commandButton(Command::Read)->click();
        m_values.setText(Parameter::PwmFrequencyMinLoad, u"1500"_qs);
        const QList<QAction*> items = menu->actions();
        const auto chosen = std::find_if(
            items.begin(), items.end(), [&](QAction* a) { return a->text() == item; });
        QVERIFY(chosen != items.end());
        (*chosen)->trigger();
        m_prompts.messages.clear();

        m_window->commandButton(command)->click();

        QCOMPARE(m_window->messageLine()->text(), message);
        QCOMPARE(m_prompts.messages, box.isEmpty() ? QStringList() : QStringList { box });
        const bool unplugged = item == u"Unplugged"_qs;
        QCOMPARE(m_line->isOpen(), !unplugged);
        QCOMPARE(m_window->windowTitle(), unplugged ? Title : DemoTitle);
        QCOMPARE(menu->menuAction()->isVisible(), !unplugged);
    }

    // Diagnose borrows the window's own line, on which the window's exchange
    // also listens: the controller's answer must reach the question.
    void diagnose_inTheAssembledWindowHearsTheController()
    {
        start("[RS232C]\nCommPort=demo\n");
        m_context->setPrompts(&m_prompts);
        m_prompts.messages.clear();
        m_context->setPortDialog([this] {
            PortDialog dialog(*m_context);
            QTest::mouseClick(dialog.diagnoseButton(), Qt::LeftButton);
            return AppContext::DialogAnswer::Ok;
        });
        m_window->choosePort();
        QVERIFY2(m_prompts.messages.size() == 1, qPrintable(m_prompts.messages.join(u'|')));
        QVERIFY2(m_prompts.messages[0].endsWith(u"the controller answers."_qs),
            qPrintable(m_prompts.messages[0]));
        QVERIFY(m_line->isOpen());
    }

    // A [Ports] entry names a serial bridge; a refused connection says so.
    void networkPort_opensOrSaysWhy_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::newRow("listening") << true;
        QTest::newRow("refused") << false;
    }
    void networkPort_opensOrSaysWhy()
    {
        QFETCH(bool, listening);
        TcpEmulator bridge;
        QVERIFY(bridge.listen());
        const QByteArray url = bridge.url().toUtf8();
        if (!listening)
            bridge.close();
        start("[RS232C]\nCommPort=12\n[Ports]\nCom12=" + url + "\n");
        QCOMPARE(m_window->windowTitle(), Title);
        QCOMPARE(m_line->isOpen(), listening);
        if (!listening) {
            QVERIFY2(m_window->messageLine()->text().startsWith(Closed + u' ')
                    && m_window->messageLine()->text().contains(u"refused"_qs),
                qPrintable(m_window->messageLine()->text()));
            return;
        }
        QCOMPARE(m_window->messageLine()->text(), u"CommPort was initialized."_qs);
        m_window->commandButton(Command::Read)->click();
        QCOMPARE(m_window->messageLine()->text(), u"Completion"_qs);
        QCOMPARE(bridge.model().receivedBytes(), "sr");
    }

private:
    void start(const QByteArray& ini)
    {
        QFile file(m_dir.filePath(u"TZ586KV Link.ini"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
        file.close();
        m_state = AppState();
        m_state.appPath = m_dir.path();
        m_line = std::make_unique<PortLine>();
        m_context = std::make_unique<AppContext>(m_state, *m_line);
        m_context->setPortDialog([] { return AppContext::DialogAnswer::Cancel; });
        m_window = std::make_unique<MainWindow>(*m_context, m_values, m_prompts);
        m_controller = std::make_unique<MainController>(*m_context, *m_window, m_values);
        m_controller->exchange().setTimeScale(0.05);
        connect(m_window.get(), &MainWindow::demoFaultChosen, &m_line->demo(), &DemoLine::setFault);
        startUp(*m_context, *m_window);
    }

    QTemporaryDir m_dir;
    AppState m_state;
    std::unique_ptr<PortLine> m_line;
    FakePrompts m_prompts;
    SettingValues m_values;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<MainController> m_controller;
};

QTEST_MAIN(TstDemoWindow)
#include "tst_demowindow.moc"
