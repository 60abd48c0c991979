#include "fakeserialline.h"
#include "testrc.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TstIniPath : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void iniPath_followsWhetherProgramFolderTakesWrites_data();
    void iniPath_followsWhetherProgramFolderTakesWrites();
    void readOnlyProgramFolder_portIsRememberedInConfigFolder();
    void iniPath_staysPutWhenFolderChangesDuringRun();
    void programUnderUsr_isInstalledEvenForSuperuser();

private:
    QString programFolder() const { return m_program->path(); }
    QString configFile() const;
    static void setWritable(const QString& path, bool writable);

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_program;
};

void TstIniPath::initTestCase()
{
    // A fresh home keeps the configuration folder apart from the user's
    // and lets the test see that it gets created.
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}

void TstIniPath::init()
{
    m_program = std::make_unique<QTemporaryDir>();
    QVERIFY(m_program->isValid());
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .removeRecursively();
}

void TstIniPath::cleanup()
{
    // The temporary folder cannot be removed while it is read-only.
    setWritable(programFolder(), true);
    m_program.reset();
}

QString TstIniPath::configFile() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/TZ586KV Link.ini"_qs;
}

void TstIniPath::setWritable(const QString& path, bool writable)
{
    QFile::Permissions mode = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (writable)
        mode |= QFile::WriteOwner;
    QVERIFY(QFile::setPermissions(path, mode));
}

void TstIniPath::iniPath_followsWhetherProgramFolderTakesWrites_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("besideProgram");
    QTest::newRow("portable, no file yet") << true << false << false << true;
    QTest::newRow("portable, file present") << true << true << true << true;
    QTest::newRow("portable, file read-only") << true << true << false << false;
    // Tests run as root, which access() would let write here.
    QTest::newRow("installed, no file") << false << false << false << false;
    QTest::newRow("installed, file present") << false << true << true << false;
}

void TstIniPath::iniPath_followsWhetherProgramFolderTakesWrites()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileExists);
    QFETCH(bool, fileWritable);
    QFETCH(bool, besideProgram);

    const QString beside = programFolder() + u"/TZ586KV Link.ini"_qs;
    if (fileExists) {
        QFile file(beside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        setWritable(beside, fileWritable);
    }
    setWritable(programFolder(), folderWritable);

    const QString chosen = TestRC::chooseIniPath(programFolder(), u"TZ586KV Link.ini"_qs);
    QCOMPARE(chosen, besideProgram ? beside : configFile());
}

void TstIniPath::readOnlyProgramFolder_portIsRememberedInConfigFolder()
{
    setWritable(programFolder(), false);
    AppState state;
    state.AppPath = programFolder();
    FakeSerialLine line;
    {
        TestRC rc(state, line);
        rc.WriteIniKey(u"RS232C"_qs, u"CommPort"_qs, u"3"_qs);
    }
    QVERIFY(QFile::exists(configFile()));
    QVERIFY(!QFile::exists(programFolder() + u"/TZ586KV Link.ini"_qs));

    AppState next;
    next.AppPath = programFolder();
    TestRC rc(next, line);
    rc.setPortDialog([] { QFAIL("the stored port should be found"); });
    rc.LoadConfig();
    QCOMPARE(next.ComPortNo, 3);
}

void TstIniPath::iniPath_staysPutWhenFolderChangesDuringRun()
{
    AppState state;
    state.AppPath = programFolder();
    FakeSerialLine line;
    TestRC rc(state, line);
    const QString first = rc.iniPath();
    setWritable(programFolder(), false);
    QCOMPARE(rc.iniPath(), first);
}

void TstIniPath::programUnderUsr_isInstalledEvenForSuperuser()
{
    // /usr/bin takes a superuser's writes, yet the file must not land there.
    QCOMPARE(TestRC::chooseIniPath(u"/usr/bin"_qs, u"TZ586KV Link.ini"_qs), configFile());
}

QTEST_GUILESS_MAIN(TstIniPath)
#include "tst_inipath.moc"
