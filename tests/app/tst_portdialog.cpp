#include "../files/fileio.h"
#include "controlleremulator.h"
#include "fakeprompts.h"
#include "fakeserialline.h"
#include "inifile.h"
#include "portdialog.h"
#include "qtserialline.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtWidgets>

using namespace Qt::Literals::StringLiterals;

namespace {
QString device(int port) { return PortName::ofNumber(port).device(); }
}

class TstPortDialog : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = AppState();
        m_state.appPath = m_dir->path();
        m_line.openable.clear();
        m_line.refusals.clear();
        m_line.log = nullptr;
    }

    // The demo controller is always offered, then the network ports, unprobed.
    void listing_offersOpenablePortsAndSelectsTheConfiguredOne_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("list"); // the selected entry first, then every entry
        QTest::addColumn<QString>("stored"); // CommPort in the file afterwards
        QTest::newRow("3 and 12") << QList<int> { 12, 3 } << QByteArray()
                                  << u"Com12|Com3|Com12|Demo controller"_s << u"12"_s;
        QTest::newRow("nothing") << QList<int>() << QByteArray()
                                 << u"Not found|Not found|Demo controller"_s << u"Error"_s;
        QTest::newRow("demo chosen") << QList<int> { 3 } << "[RS232C]\nCommPort=demo\n"_ba
                                     << u"Demo controller|Com3|Demo controller"_s << u"demo"_s;
        QTest::newRow("network") << QList<int>() << "[Ports]\nCom12=tcp://bench:2000\n"_ba
                                 << u"Com12|Not found|Demo controller|Com12"_s << u"12"_s;
    }

    void listing_offersOpenablePortsAndSelectsTheConfiguredOne()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QByteArray, ini);
        QFETCH(QString, list);
        QFETCH(QString, stored);
        QStringList tried;
        m_line.log = &tried;
        for (int port : openable)
            m_line.openable.insert(device(port));
        QVERIFY(writeAll(m_dir->filePath(u"TZ586KV Link.ini"_s), ini));
        m_state.portNumber = 12;
        m_state.demoPort = ini.contains("demo");
        AppContext context(m_state, m_line);
        PortDialog dialog(context);
        QStringList shown { dialog.portList()->currentText() };
        for (int i = 0; i < dialog.portList()->count(); ++i)
            shown.append(dialog.portList()->itemText(i));
        QCOMPARE(shown.join(u'|'), list);
        QCOMPARE(storedPort(), stored);
        QVERIFY(!m_line.isOpen());
        QVERIFY(!tried.join(u' ').contains(u"tcp:"_s));
    }

    void pickThenCancel_keepsThePickInMemoryAndFile()
    {
        m_line.openable = { device(3), device(12) };
        m_state.portNumber = 12;
        AppContext context(m_state, m_line);
        PortDialog dialog(context);
        QTimer::singleShot(0, &dialog, [&dialog] {
            dialog.portList()->setCurrentIndex(0);
            emit dialog.portList()->activated(0);
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        });
        QCOMPARE(dialog.run(), AppContext::DialogAnswer::Cancel);
        QCOMPARE(m_state.portNumber, 3);
        QCOMPARE(storedPort(), u"3"_s);
        QTimer::singleShot(0, &dialog, &QDialog::reject); // as the close box does
        QCOMPARE(dialog.run(), AppContext::DialogAnswer::Closed);
    }

    // Escape is Cancel: the port that failed is not tried again. On the way,
    // a name that does not read says what is wrong with it.
    void escapeAfterFailedOpen_endsTheAttempts()
    {
        QVERIFY(writeAll(m_dir->filePath(u"TZ586KV Link.ini"_s), "[Ports]\nCom5=tcp://bench\n"));
        m_state.portNumber = 5;
        AppContext context(m_state, m_line);
        QStringList messages;
        context.setMessageLine([&](const MessageText& text, MessageTone) {
            messages.append(text());
            // The dialog follows; should it come again, Cancel ends the test.
            QTimer::singleShot(0, [&messages] {
                auto* dialog = qobject_cast<PortDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                if (messages.size() == 1)
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    dialog->cancelButton()->click();
            });
        });
        context.openPort();
        QCOMPARE(messages,
            QStringList { u"ComPort cannot be opened. Com5 under [Ports]: tcp://bench has no "
                          u"port (tcp://HOST:PORT)."_s });
        QVERIFY(!context.portWanted());
    }

    void diagnose_asksTheControllerOnThePickedPort_data()
    {
        QTest::addColumn<QString>("fault"); // of the controller on Com16; empty: no port picked
        QTest::addColumn<QStringList>("texts"); // in the findings; "!": not in them
        QTest::newRow("no port") << QString()
                                 << QStringList { u"No port is chosen.\nFix: Choose the "_s,
                                        u"The controller was not asked for its settings: no "
                                        u"port is chosen."_s,
                                        u"!No problems"_s };
        QTest::newRow("answers") << u"none"_s
                                 << QStringList { u"!does not answer"_s, u"!not asked"_s };
        QTest::newRow("silent") << u"no-answer"_s
                                << QStringList { u"Com16 (%1) opens but the controller does not "
                                                 u"answer \"sr\"."_s,
                                       u"!No problems"_s };
    }
    void diagnose_asksTheControllerOnThePickedPort()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, texts);
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start(m_dir->filePath(u"tz"_s)));
        emulator.setFault(emulatorFaultFromName(fault).value_or(EmulatorFault::None));
        QVERIFY(writeAll(m_dir->filePath(u"TZ586KV Link.ini"_s),
            "[Ports]\nCom16=" + emulator.linkPath().toUtf8()));
        m_state.portNumber = fault.isEmpty() ? 0 : 16;
        QtSerialLine line;
        FakePrompts prompts;
        AppContext context(m_state, line);
        context.setPrompts(&prompts);
        PortDialog dialog(context);
        bool busy = false;
        // Asked, the controller finds the dialog waiting.
        connect(&emulator.model(), &ControllerModel::commandReceived, &dialog, [&] {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busy = cursor && cursor->shape() == Qt::WaitCursor && !dialog.okButton()->isEnabled();
        });
        QTest::mouseClick(dialog.diagnoseButton(), Qt::LeftButton);
        QCOMPARE(prompts.messages.size(), 1);
        for (const QString& text : texts) {
            const bool never = text.startsWith(u'!');
            QVERIFY2(prompts.messages[0].contains(
                         QString(text.mid(never)).replace(u"%1"_s, emulator.linkPath()))
                    != never,
                qPrintable(prompts.messages[0]));
        }
        QCOMPARE(emulator.receivedBytes(), fault.isEmpty() ? "" : "sr");
        QCOMPARE(busy, !fault.isEmpty());
        QVERIFY(
            !line.isOpen() && dialog.okButton()->isEnabled() && !QGuiApplication::overrideCursor());
    }

private:
    QString storedPort() const
    {
        return IniFile(m_dir->filePath(u"TZ586KV Link.ini"_s)).value(u"RS232C"_s, u"CommPort"_s);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakeSerialLine m_line;
};

QTEST_MAIN(TstPortDialog)
#include "tst_portdialog.moc"
