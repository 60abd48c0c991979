#include "../files/fileio.h"
#include "controlleremulator.h"
#include "fakeprompts.h"
#include "fakeserialline.h"
#include "hostprobe.h"
#include "inifile.h"
#include "portdialog.h"
#include "qtserialline.h"
#include "testmain.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtWidgets>

using namespace Qt::Literals::StringLiterals;

namespace {
QString device(int port) { return PortName::ofNumber(port).device(); }

// The chosen devices open; a held one answers once its semaphore is released.
struct TestProbe : HostProbe {
    QSet<QString> openable;
    QStringList held;
    mutable std::array<QSemaphore, 2> release;
    mutable QMutex mutex;
    mutable QStringList answered;

    SerialLine::OpenFailure openFailure(const QString& d) const override
    {
        if (const qsizetype i = held.indexOf(d); i >= 0)
            release.at(size_t(i)).acquire();
        seen(answered, d);
        return openable.contains(d) ? SerialLine::OpenFailure::None
                                    : SerialLine::OpenFailure::NoDevice;
    }
    // The list as it is now, after adding d when given.
    QStringList seen(QStringList& list, const QString& d = {}) const
    {
        const QMutexLocker lock(&mutex);
        if (!d.isEmpty())
            list.append(d);
        return list;
    }
};
}

class TstPortDialog : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = AppState();
        m_state.appPath = m_dir->path();
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
        auto probe = std::make_shared<TestProbe>();
        for (int port : openable)
            probe->openable.insert(device(port));
        QVERIFY(writeAll(m_dir->filePath(u"TZ586KV Link.ini"_s), ini));
        m_state.portNumber = 12;
        m_state.demoPort = ini.contains("demo");
        AppContext context(m_state, m_line);
        context.setPortProbe(probe);
        PortDialog dialog(context);
        QTRY_COMPARE(probe->seen(probe->answered).size(), 16 - int(ini.contains("tcp:")));
        QTRY_COMPARE(shown(dialog), list);
        QCOMPARE(storedPort(), stored);
        QVERIFY(!probe->seen(probe->answered).join(u' ').contains(u"tcp:"_s));
    }

    // A port that holds its open keeps neither the dialog nor OK waiting; its
    // answer fills the list in, or after a second its silence. A pick lasts
    // through Cancel; closed, the dialog drops what comes later.
    void probing_neverKeepsTheDialogWaiting()
    {
        auto probe = std::make_shared<TestProbe>();
        probe->openable = { device(3) };
        probe->held = { device(3), device(4) };
        AppContext context(m_state, m_line);
        context.setPortProbe(probe);
        {
            PortDialog dialog(context);
            QElapsedTimer clock;
            clock.start();
            QTimer::singleShot(0, dialog.okButton(), &QPushButton::click);
            QCOMPARE(dialog.run(), AppContext::DialogAnswer::Ok);
            QVERIFY(clock.elapsed() < 100);
            QCOMPARE(shown(dialog), u"Not found|Not found|Demo controller"_s);
            probe->release[0].release();
            QTRY_COMPARE(shown(dialog), u"|Com3|Demo controller"_s);
            QTRY_COMPARE(dialog.refusedLabel()->text(),
                u"Com4 (%1): no answer within a second."_s.arg(device(4)));
            QTimer::singleShot(0, &dialog, [&dialog] {
                emit dialog.portList()->activated(0);
                QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            });
            QCOMPARE(dialog.run(), AppContext::DialogAnswer::Cancel);
            QCOMPARE(storedPort(), u"3"_s);
            QTimer::singleShot(0, &dialog, &QDialog::reject); // as the close box does
            QCOMPARE(dialog.run(), AppContext::DialogAnswer::Closed);
        }
        probe->release[1].release();
        QTRY_VERIFY(probe->seen(probe->answered).contains(device(4)));
    }

    // Escape is Cancel: the port that failed is not tried again. On the way,
    // a name that does not read says what is wrong with it.
    void escapeAfterFailedOpen_endsTheAttempts()
    {
        QVERIFY(writeAll(m_dir->filePath(u"TZ586KV Link.ini"_s), "[Ports]\nCom5=tcp://bench\n"));
        m_state.portNumber = 5;
        AppContext context(m_state, m_line);
        context.setPortProbe(std::make_shared<TestProbe>());
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
        // Not while the port's own probe holds it.
        QTRY_VERIFY(dialog.portList()->findText(u"Com16"_s) >= 0);
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
    // The selected entry first, then every entry.
    static QString shown(const PortDialog& dialog)
    {
        QStringList texts { dialog.portList()->currentText() };
        for (int i = 0; i < dialog.portList()->count(); ++i)
            texts.append(dialog.portList()->itemText(i));
        return texts.join(u'|');
    }

    QString storedPort() const
    {
        return IniFile(m_dir->filePath(u"TZ586KV Link.ini"_s)).value(u"RS232C"_s, u"CommPort"_s);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakeSerialLine m_line;
};

TZ_TEST_MAIN(TstPortDialog)
#include "tst_portdialog.moc"
