#include "../files/fileio.h"
#include "appcontext.h"
#include "configuration.h"
#include "fakeserialline.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstAppContext : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A fresh home keeps the user's own configuration folder out of reach.
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = AppState();
        m_state.appPath = m_dir->path();
        QDir(QFileInfo(configFile()).path()).removeRecursively();
    }

    void loadConfig_readsThePortOrAsksForOne_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("empty port") << "[RS232C]\nCommPort=\n"_ba << 0 << false;
        QTest::newRow("hex") << "[rs232c]\ncommport=&H0A\n"_ba << 10 << false;
        QTest::newRow("literal Error") << "[RS232C]\nCommPort=Error\n"_ba << 0 << true;
        QTest::newRow("lower-case error") << "[RS232C]\nCommPort=error\n"_ba << 0 << false;
        QTest::newRow("out of range port") << "[RS232C]\nCommPort=99999\n"_ba << 0 << true;
        QTest::newRow("scale line")
            << "[RS232C]\nCommPort=3\n[Chart]\nScaleLine1=1\n"_ba << 3 << false;
    }

    void loadConfig_readsThePortOrAsksForOne()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, port);
        QFETCH(bool, dialog);
        const QString ini = m_dir->filePath(u"TZ586KV Link.ini"_s);
        QVERIFY(writeAll(ini, content));
        FakeSerialLine line;
        AppContext context(m_state, line);
        int dialogs = 0;
        context.setPortDialog([&] {
            ++dialogs;
            return AppContext::DialogAnswer::Closed;
        });
        context.loadConfig();
        QCOMPARE(m_state.portNumber, port);
        QCOMPARE(m_state.scaleLines[1], int16_t(content.contains("ScaleLine1=1")));
        QCOMPARE(dialogs, dialog ? 1 : 0);
        QCOMPARE(readAll(ini), content);
    }

    void openPort_keepsOrderOfMessagesDialogAndAttempts_data()
    {
        QTest::addColumn<QList<int>>("openable");
        // "ok", "ok:<port>", "cancel", "closed"; those left go to the next start.
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("events");
        const QString red = u"red:ComPort cannot be opened."_s;
        const QString black = u"black:CommPort was initialized."_s;
        const auto open = [](int port) { return u"open:"_s + PortName::ofNumber(port).device(); };
        QTest::newRow("fail, pick another, OK")
            << QList<int> { 3 } << QStringList { u"ok:3"_s }
            << QStringList { open(5), red, u"dialog"_s, open(3), black };
        QTest::newRow("fail, OK, fail, Cancel")
            << QList<int>() << QStringList { u"ok"_s, u"cancel"_s }
            << QStringList { open(5), red, u"dialog"_s, open(5), red, u"dialog"_s };
        // The close box keeps the answer before it: here Cancel.
        QTest::newRow("fail, Cancel, then closed")
            << QList<int>() << QStringList { u"cancel"_s, u"closed"_s }
            << QStringList { open(5), red, u"dialog"_s, u"reopen"_s, open(5), red, u"dialog"_s };
    }

    void openPort_keepsOrderOfMessagesDialogAndAttempts()
    {
        QFETCH(QList<int>, openable);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, events);
        QStringList log;
        FakeSerialLine line;
        line.log = &log;
        for (int port : openable)
            line.openable.insert(PortName::ofNumber(port).device());
        AppContext context(m_state, line);
        context.setMessageLine([&](const MessageText& text, MessageTone tone) {
            log.append((tone == MessageTone::Failure ? u"red:"_s : u"black:"_s) + text());
        });
        m_state.portNumber = 5;
        context.setPortDialog([&] {
            log.append(u"dialog"_s);
            const QString answer = answers.isEmpty() ? u"cancel"_s : answers.takeFirst();
            if (answer.startsWith(u"ok:"))
                m_state.portNumber = int16_t(answer.mid(3).toInt());
            return answer == u"cancel" ? AppContext::DialogAnswer::Cancel
                : answer == u"closed"  ? AppContext::DialogAnswer::Closed
                                       : AppContext::DialogAnswer::Ok;
        });
        context.openPort();
        while (!answers.isEmpty()) {
            log.append(u"reopen"_s);
            context.openPort();
        }
        QCOMPARE(log, events);
        QCOMPARE(line.isOpen(), events.last().startsWith(u"black"));
    }

    void iniFile_goesToConfigFolderUnlessProgramFolderTakesWrites()
    {
        FakeSerialLine line;
        QCOMPARE(AppContext(m_state, line).iniPath(), m_dir->filePath(u"TZ586KV Link.ini"_s));
#ifdef Q_OS_WIN
        QSKIP(
            "Windows ignores a folder's read-only attribute: only access rights keep writes out.");
#endif
        // /usr/bin takes root's writes, yet belongs to an installed program.
        QCOMPARE(Configuration::choosePath(u"/usr/bin"_s, u"TZ586KV Link.ini"_s), configFile());
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
        AppContext context(m_state, line);
        const Configuration config(context.iniPath());
        QVERIFY(config.setPortOverride(5, u" /dev/serial/by-id/tz "_s));
        QVERIFY(config.setPortOverride(6, u" "_s));
        QVERIFY(config.setPortOverride(230, u"tcp://bench:2000"_s));
        QVERIFY(QFile::exists(configFile()));
        QCOMPARE(context.portOverrides(),
            PortOverrides({ { 5, u"/dev/serial/by-id/tz"_s }, { 230, u"tcp://bench:2000"_s } }));
    }

private:
    static QString configFile()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + u"/TZ586KV Link.ini"_s;
    }

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
};

QTEST_GUILESS_MAIN(TstAppContext)
#include "tst_appcontext.moc"
