#include "exchangehost.h"
#include "fakeserialline.h"
#include "inifile.h"
#include "porttable.h"
#include "testrc.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Records the message line and the port dialog in one list, in order.
class EventHost : public ExchangeHost {
public:
    explicit EventHost(QStringList& log)
        : m_log(log)
    {
    }
    void ShowMessage(const QString& text, uint32_t colour) override
    {
        m_log.append((colour == Red ? u"red:"_qs : u"black:"_qs) + text);
    }
    void showBox(const QString&, BoxIcon) override { }
    void setLamp(uint32_t) override { }

private:
    QStringList& m_log;
};

class TstTestRC : public QObject {
    Q_OBJECT
private slots:
    void init();

    void versionText_joinsMinorAndRevision_data();
    void versionText_joinsMinorAndRevision();
    void loadConfig_readsPortAndChartFlags_data();
    void loadConfig_readsPortAndChartFlags();
    void loadConfig_hugeFile_countsAsMissing();
    void openPort_keepsOrderOfMessagesDialogAndAttempts_data();
    void openPort_keepsOrderOfMessagesDialogAndAttempts();

private:
    void writeFile(const QByteArray& content);
    static QString device(int port) { return PortDevice(port, nullptr); }

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
};

void TstTestRC::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_state = AppState();
    m_state.AppPath = m_dir->path();
}

void TstTestRC::writeFile(const QByteArray& content)
{
    QFile file(m_dir->filePath(u"TZ586KV Link.ini"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TstTestRC::versionText_joinsMinorAndRevision_data()
{
    QTest::addColumn<QList<int>>("version");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.0.0") << QList<int> { 1, 0, 0 } << u"Version1.00"_qs;
    QTest::newRow("1.2.15") << QList<int> { 1, 2, 15 } << u"Version1.215"_qs;
}

void TstTestRC::versionText_joinsMinorAndRevision()
{
    QFETCH(QList<int>, version);
    QFETCH(QString, text);
    QCOMPARE(TestRC::MakeVersionText(version[0], version[1], version[2]), text);
}

void TstTestRC::loadConfig_readsPortAndChartFlags_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("scale0");
    QTest::addColumn<int>("scale1");
    QTest::addColumn<bool>("dialog");

    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 37) & 0xFF));

    QTest::newRow("no file") << QByteArray() << 0 << 0 << 0 << true;
    QTest::newRow("plain") << "[RS232C]\nCommPort=3\n[Chart]\nScaleLine0=1\nScaleLine1=0\n"_ba << 3
                           << 1 << 0 << false;
    QTest::newRow("empty port") << "[RS232C]\nCommPort=\n"_ba << 0 << 0 << 0 << false;
    QTest::newRow("3.5 to even") << "[RS232C]\nCommPort=3.5\n"_ba << 4 << 0 << 0 << false;
    QTest::newRow("2.5 to even") << "[RS232C]\nCommPort=2.5\n"_ba << 2 << 0 << 0 << false;
    QTest::newRow("blank first") << "[RS232C]\nCommPort= 7\n"_ba << 7 << 0 << 0 << false;
    QTest::newRow("hex") << "[rs232c]\ncommport=&H0A\n"_ba << 10 << 0 << 0 << false;
    QTest::newRow("literal Error") << "[RS232C]\nCommPort=Error\n"_ba << 0 << 0 << 0 << true;
    QTest::newRow("lower-case error") << "[RS232C]\nCommPort=error\n"_ba << 0 << 0 << 0 << false;
    QTest::newRow("no leading number") << "[RS232C]\nCommPort=COM3\n"_ba << 0 << 0 << 0 << false;
    QTest::newRow("out of range port") << "[RS232C]\nCommPort=99999\n"_ba << 0 << 0 << 0 << true;
    QTest::newRow("negative flag kept")
        << "[RS232C]\nCommPort=2\n[Chart]\nScaleLine0=-5\nScaleLine1=2\n"_ba << 2 << -5 << 2
        << false;
    QTest::newRow("out of range flag")
        << "[RS232C]\nCommPort=2\n[Chart]\nScaleLine0=40000\nScaleLine1=Error\n"_ba << 2 << 0 << 0
        << false;
    QTest::newRow("300 digits") << "[RS232C]\nCommPort=" + QByteArray(300, '9') + "\n"
                                << 0 << 0 << 0 << true;
    QTest::newRow("binary junk") << junk << 0 << 0 << 0 << true;
}

void TstTestRC::loadConfig_readsPortAndChartFlags()
{
    QFETCH(QByteArray, content);
    QFETCH(int, port);
    QFETCH(int, scale0);
    QFETCH(int, scale1);
    QFETCH(bool, dialog);
    if (!content.isEmpty())
        writeFile(content);

    FakeSerialLine line;
    TestRC rc(m_state, line);
    int dialogs = 0;
    rc.setPortDialog([&] { ++dialogs; });
    rc.LoadConfig();

    QCOMPARE(m_state.ComPortNo, port);
    QCOMPARE(m_state.ScaleLine[0], scale0);
    QCOMPARE(m_state.ScaleLine[1], scale1);
    QCOMPARE(dialogs, dialog ? 1 : 0);
}

void TstTestRC::loadConfig_hugeFile_countsAsMissing()
{
    QByteArray content = "[Other]\n";
    content.append(QByteArray(6 * 1024 * 1024, 'x'));
    content.append("\n[RS232C]\nCommPort=3\n");
    writeFile(content);

    FakeSerialLine line;
    TestRC rc(m_state, line);
    int dialogs = 0;
    rc.setPortDialog([&] { ++dialogs; });
    rc.LoadConfig();
    QCOMPARE(dialogs, 1);
    QCOMPARE(m_state.ComPortNo, 0);
}

void TstTestRC::openPort_keepsOrderOfMessagesDialogAndAttempts_data()
{
    QTest::addColumn<int>("startPort");
    QTest::addColumn<QList<int>>("openable");
    QTest::addColumn<QStringList>("answers"); // "ok", "ok:<port>" or "cancel" per showing
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("open");

    const QString red = u"red:ComPort cannot be opened."_qs;
    const QString black = u"black:CommPort was initialized."_qs;
    const QString dialog = u"dialog"_qs;
    const auto attempt = [](int port) { return u"open:"_qs + device(port); };

    QTest::newRow("no port number")
        << 0 << QList<int> { 3 } << QStringList() << QStringList { red } << false;
    QTest::newRow("opens at once")
        << 3 << QList<int> { 3 } << QStringList() << QStringList { attempt(3), black } << true;
    QTest::newRow("fail, pick another, OK")
        << 5 << QList<int> { 3 } << QStringList { u"ok:3"_qs }
        << QStringList { attempt(5), red, dialog, attempt(3), black } << true;
    QTest::newRow("fail, OK, fail, Cancel")
        << 5 << QList<int>() << QStringList { u"ok"_qs, u"cancel"_qs }
        << QStringList { attempt(5), red, dialog, attempt(5), red, dialog } << false;
    QTest::newRow("fail, pick none, Cancel")
        << 5 << QList<int> { 3 } << QStringList { u"cancel"_qs }
        << QStringList { attempt(5), red, dialog } << false;
}

void TstTestRC::openPort_keepsOrderOfMessagesDialogAndAttempts()
{
    QFETCH(int, startPort);
    QFETCH(QList<int>, openable);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, events);
    QFETCH(bool, open);

    QStringList log;
    FakeSerialLine line;
    line.log = &log;
    for (int port : openable)
        line.openable.insert(device(port));
    EventHost host(log);
    TestRC rc(m_state, line);
    rc.setHost(&host);
    m_state.ComPortNo = int16_t(startPort);
    rc.setPortDialog([&] {
        log.append(u"dialog"_qs);
        QVERIFY(!answers.isEmpty());
        const QString answer = answers.takeFirst();
        m_state.PortCancelled = answer == u"cancel";
        if (answer.startsWith(u"ok:"))
            m_state.ComPortNo = int16_t(answer.mid(3).toInt());
    });

    rc.OpenPort();
    QCOMPARE(log, events);
    QCOMPARE(line.isOpen(), open);
    QVERIFY(answers.isEmpty());
}

QTEST_GUILESS_MAIN(TstTestRC)
#include "tst_testrc.moc"
