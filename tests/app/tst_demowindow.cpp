#include "../logview/pixels.h"
#include "fakeprompts.h"
#include "logchooser.h"
#include "logpicture.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "portdialog.h"
#include "serialline.h"
#include "settingvalues.h"
#include "testmain.h"
#include "testprogram.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void cleanup() { m_program.reset(); }

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
        // The demo controller's history is kept apart from a real one's.
        QVERIFY(QFile::exists(m_dir.filePath(u"history/demo/index.tsv"_qs))
            && !QFile::exists(m_dir.filePath(u"history/index.tsv"_qs)));
        m_program->values().setText(Parameter::PwmFrequencyMinLoad, u"1500"_qs);
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
        QCOMPARE(m_program->line().isOpen(), !unplugged);
        QCOMPARE(m_window->windowTitle(), unplugged ? Title : DemoTitle);
        QCOMPARE(menu->menuAction()->isVisible(), !unplugged);
    }

    // Diagnose borrows the window's own line, on which the window's exchange
    // also listens: the controller's answer must reach the question.
    void diagnose_inTheAssembledWindowHearsTheController()
    {
        start("[RS232C]\nCommPort=demo\n");
        m_prompts.messages.clear();
        m_program->context().setPortDialog([this] {
            PortDialog dialog(m_program->context());
            QTest::mouseClick(dialog.diagnoseButton(), Qt::LeftButton);
            return AppContext::DialogAnswer::Ok;
        });
        m_window->findChild<QAction*>(ObjectName::PortMenu)->trigger();
        QVERIFY2(m_prompts.messages.size() == 1, qPrintable(m_prompts.messages.join(u'|')));
        QVERIFY2(m_prompts.messages[0].endsWith(u"the controller answers."_qs),
            qPrintable(m_prompts.messages[0]));
        QVERIFY(m_program->line().isOpen());
    }

    // The demo flight's pack as the log window tells it, the chemistry kept.
    void logWindow_showsTheDemoPacksResistanceAndCells()
    {
        start("[RS232C]\nCommPort=demo\n[Chart]\nChemistry=lipo\n", 1);
        m_window->commandButton(Command::Get)->click();
        LogWindow* log = m_program->controller().logWindow();
        QVERIFY(log);
        QCOMPARE(log->scene().cells, 4);
        for (QAction* action : log->findChild<LogPicture*>()->actions())
            if (action->text() == u"Statistics"_qs)
                action->trigger();
        const QString box = m_prompts.messages.last();
        QVERIFY2(box.contains(QRegularExpression(u"\nR 2\\d\\.\\d mΩ \\(.+\\)\n.+ per cell"_qs)),
            qPrintable(box));
    }

    // Two Gets keep two flights; Compare lays the first over the second from
    // its start, in lighter colours under its name, with its own figures.
    void compare_laysTheFirstFlightOverTheSecond()
    {
        start("[RS232C]\nCommPort=demo\n", 1);
        m_window->commandButton(Command::Get)->click();
        m_window->commandButton(Command::Get)->click();
        LogWindow* log = m_program->controller().logWindow();
        auto* graph = log->findChild<LogPicture*>();
        const auto image
            = [graph] { return graph->surface().toImage().convertToFormat(QImage::Format_RGB32); };
        const QRgb lighterVolt = qRgb(150, 150, 255), lighterCur = qRgb(235, 165, 235);
        QCOMPARE(countIn(image(), lighterVolt), 0);
        QStringList listed;
        QTimer::singleShot(0, this, [&listed] {
            auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            for (const QListWidgetItem* item :
                chooser->findChild<QListWidget*>()->findItems(u"*"_qs, Qt::MatchWildcard))
                listed << item->text();
            chooser->accept();
        });
        m_window->findChild<QAction*>(ObjectName::CompareLogFile)->trigger();

        // The log shown is no choice; the one before it comes first.
        const auto kept = LogHistory(m_dir.filePath(u"history/demo/logs"_qs)).entries();
        QVERIFY(kept.size() >= 2 && listed.size() == kept.size() - 1);
        QCOMPARE(listed[0], LogChooser::entryName(kept[1]));
        QVERIFY(log->scene().overlay && log->scene().overlay->name == listed[0]);
        // Its curves where they differ from the shown log's, its legend line in the top rows.
        const QImage drawn = image();
        QVERIFY(countIn(drawn, lighterVolt) > 100 && countIn(drawn, lighterCur) > 100);
        QVERIFY(countIn(drawn, QColor(lighterVolt).darker(130).rgb(), QRect(0, 0, 40, 30)) > 0);
        // At the pointer, the compared log's volts and amps below the shown one's.
        const QPointF at = graph->rect().center();
        QMouseEvent move(QEvent::MouseMove, at, graph->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QCoreApplication::sendEvent(graph, &move);
        QVERIFY(log->findChild<QLabel*>(ObjectName::Readout)->text().contains(u"\nvs "_qs));
        for (QAction* action : graph->actions())
            if (action->text() == u"Statistics"_qs)
                action->trigger();
        const QStringList box = m_prompts.messages.last().split(u'\n');
        const qsizetype compared = box.indexOf(u"Compared: "_qs + listed[0]);
        QVERIFY2(compared > 0, qPrintable(box.join(u'|')));
        // Its own resistance, not the shown log's.
        QVERIFY(box[compared - 2].startsWith(u"R "_qs) && box.last().startsWith(u"R "_qs));
        QVERIFY(box[compared - 2] != box.last());
    }

private:
    // As main starts it, but for the prompts, the port dialog and the time.
    void start(const QByteArray& ini, double timeScale = 0.05)
    {
        m_program = startProgram(m_dir.path(), ini,
            { .prompts = &m_prompts,
                .portDialog = [] { return AppContext::DialogAnswer::Cancel; },
                .timeScale = timeScale });
        QVERIFY(m_program);
        m_window = &m_program->window();
    }

    QTemporaryDir m_dir;
    FakePrompts m_prompts;
    std::unique_ptr<WindowProgram> m_program;
    MainWindow* m_window = nullptr;
};

TZ_TEST_MAIN(TstDemoWindow)
#include "tst_demowindow.moc"
