#include "changeengine.h"
#include "fakeprompts.h"
#include "logwindow.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "objectnames.h"
#include "parameterboxes.h"
#include "settingvalues.h"
#include "testmain.h"
#include "testprogram.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Example = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;
// Box 0 holds 2000 instead of 1000.
const QString Other = u"D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;
const QString Trouble = u"Trouble is found in data."_qs;
const QString Overwrite = u"The file already exists. \r\nDo you overwrite?"_qs;
const QString CannotSave = u"The file cannot be saved."_qs;
const QByteArray Header = "Time(s),Voltage(V),Current(A)\r\n";
const QByteArray Absent = "<missing>"; // as readAll() gives it
const QByteArray Cancelled = "<dialog cancelled>";
const QByteArray Huge = "<1 GB>";
enum Menu { OpenSetting, SaveSetting, OpenLog, SaveLog };

}

class TstDataFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void settingFile_savesAndLoadsTheImageAs64Bytes();
    void menus_leaveShownDataAndStoreAlone_data();
    void menus_leaveShownDataAndStoreAlone();
    void logSave_refusedUnlessHeld_thenLoadsBackIntoTheWindow();
    void refusedSave_namesTheValueAndFocusesIt_data();
    void refusedSave_namesTheValueAndFocusesIt();

private:
    void trigger(Menu menu, const QString& name = u"f"_qs, bool yes = true);
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QByteArray read(const QString& name) const { return readAll(path(name)); }
    void fillStore();

    QTemporaryDir m_appDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakePrompts m_prompts;
    std::unique_ptr<WindowProgram> m_program;
    MainWindow* m_window = nullptr;
    MainController* m_commands = nullptr;
};

// One window for all: every case sets the boxes and the store it starts from.
void TstDataFiles::initTestCase()
{
    m_program = startProgram(
        m_appDir.path(), "[RS232C]\nCommPort=demo\n", { .prompts = &m_prompts, .quit = [] {} });
    QVERIFY(m_program);
    m_window = &m_program->window();
    m_commands = &m_program->controller();
}

void TstDataFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = FakePrompts();
    m_commands->store() = SampleStore();
}

void TstDataFiles::trigger(Menu menu, const QString& name, bool yes)
{
    m_prompts.fileName = name.isEmpty() ? name : path(name);
    m_prompts.answer = yes;
    const QString names[] = { ObjectName::OpenSettingFile, ObjectName::SaveSettingFile,
        ObjectName::OpenLogFile, ObjectName::SaveLogFile };
    m_window->fileAction(names[menu])->trigger();
}

// Values as a Get leaves them: one decimal for volts, whole tens for amperes.
void TstDataFiles::fillStore()
{
    for (int n = 1; n <= SampleStore::Count; ++n) {
        m_commands->store().voltsAt(n) = n % 7 ? float((100 + n) / 10.0) : SampleStore::Missing;
        m_commands->store().ampsAt(n) = n % 5 ? float(n * 10 - 300) : SampleStore::Missing;
    }
    m_commands->store().held = true;
}

void TstDataFiles::settingFile_savesAndLoadsTheImageAs64Bytes()
{
    QVERIFY(m_commands->showSettingFile(Example));
    m_window->boxes().valueBox(Parameter::PwmFrequencyMinLoad)->setText(u"1200"_qs);
    trigger(SaveSetting, u"a.set"_qs);
    QCOMPARE(read(u"a.set"_qs), (u"B004"_qs + Example.mid(4)).toLatin1());
    QVERIFY(m_commands->showSettingFile(Other));
    trigger(OpenSetting, u"a.set"_qs);
    QCOMPARE(m_window->boxes().valueBox(Parameter::PwmFrequencyMinLoad)->text(), u"1200"_qs);
    // Saved from the boxes, not read back from the controller.
    trigger(SaveSetting, u"b.set"_qs);
    QCOMPARE(read(u"b.set"_qs), read(u"a.set"_qs));
    QCOMPARE(m_prompts.messages, QStringList());
}

// The texts of each refusal are the values' own (tst_settingvalues); the
// digits a Japanese keyboard types are read as such.
void TstDataFiles::refusedSave_namesTheValueAndFocusesIt_data()
{
    QTest::addColumn<QString>("typed"); // into PWM frequency(at Min. load)
    QTest::addColumn<QString>("detail"); // none: saved
    const QString pwm = u"PWM frequency(at Min. load): "_qs;
    QTest::newRow("outside") << u"50"_qs << pwm + u"50 is outside 100 ~ 10000"_qs;
    QTest::newRow("comma") << u"3,5"_qs
                           << pwm + u"3,5 has a comma; type the decimal point as \".\""_qs;
    QTest::newRow("full-width") << u"１２０"_qs << QString();
}

void TstDataFiles::refusedSave_namesTheValueAndFocusesIt()
{
    QFETCH(QString, typed);
    QFETCH(QString, detail);
    QVERIFY(m_commands->showSettingFile(Example));
    QLineEdit* box = m_window->boxes().valueBox(Parameter::PwmFrequencyMinLoad);
    box->setText(typed);
    trigger(SaveSetting, u"a.set"_qs);
    QCOMPARE(box->palette().color(QPalette::Text), detail.isEmpty() ? Qt::black : Qt::red);
    QCOMPARE(
        read(u"a.set"_qs), detail.isEmpty() ? (u"7800"_qs + Example.mid(4)).toLatin1() : Absent);
    if (detail.isEmpty())
        return;
    QCOMPARE(
        m_prompts.messages, QStringList { u"Data is abnormal!!\r\nPlease set it correctly."_qs });
    QCOMPARE(m_prompts.details.last(), detail);
    QCOMPARE(m_window->focusWidget(), box);
}

void TstDataFiles::menus_leaveShownDataAndStoreAlone_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("detail"); // below the last message, after the file's name
    const QStringList trouble { Trouble };
    const QString none;
    QTest::newRow("open cancelled") << 0 << Cancelled << QStringList() << none;
    QTest::newRow("save log cancelled") << 3 << Cancelled << QStringList() << none;
    QTest::newRow("missing, create")
        << 2 << Absent << QStringList { u"File not found. Create it?"_qs } << none;
    // Made read-only before the save.
    QTest::newRow("read-only") << 1 << "keep"_qba << QStringList { Overwrite, CannotSave } << none;
    QTest::newRow("no overwrite") << 1 << "keep"_qba << QStringList { Overwrite } << none;
    QTest::newRow("setting CR CR LF")
        << 0 << Example.toLatin1() + "\r\r\n"
        << trouble
        << u"65 characters: a setting file holds the 64 hexadecimal characters of the image, "
           u"then at most one line end"_qs;
    QTest::newRow("setting 1 GB") << 0 << Huge << trouble << u"Character 1: expected a"_qs;
    QTest::newRow("log not a header")
        << 2 << "0,1,2\r\n"_qba << trouble << u"Line 1: expected Time(s),Voltage(V),Current(A)"_qs;
    QTest::newRow("log not a number")
        << 2 << Header + "0,5,5\r\n1,x,5\r\n"
        << trouble << u"Line 3: expected a voltage or nothing in the second field"_qs;
    QTest::newRow("log empty") << 2 << QByteArray("") << QStringList() << none;
    QTest::newRow("log 1 GB") << 2 << Huge << trouble
                              << u"Larger than a log file can be (1 MiB)"_qs;
}

void TstDataFiles::menus_leaveShownDataAndStoreAlone()
{
    QFETCH(int, menu);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, messages);
    QVERIFY(m_commands->showSettingFile(Other));
    fillStore();
    const SampleStore before = m_commands->store();
    QFile file(path(u"f"_qs));
    if (content != Absent && content != Cancelled)
        QVERIFY(file.open(QIODevice::WriteOnly)
            && (content == Huge ? file.resize(qint64(1) << 30) : file.write(content) > -1));
    file.close();
    if (messages.contains(CannotSave))
        QVERIFY(QFile::setPermissions(file.fileName(), QFile::ReadOwner));
    QElapsedTimer timer;
    timer.start();
    // Every question is answered Yes but the one refusing to overwrite.
    trigger(Menu(menu), content == Cancelled ? QString() : u"f"_qs,
        messages != QStringList { Overwrite });
    // Reading a huge file whole would take far longer.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

    QCOMPARE(m_prompts.messages, messages);
    QFETCH(QString, detail);
    if (!detail.isEmpty())
        QVERIFY(m_prompts.details.last().startsWith(
            QDir::toNativeSeparators(path(u"f"_qs)) + u'\n' + detail));
    if (messages.contains(CannotSave))
        QCOMPARE(m_prompts.icons.last(), Prompts::Icon::Warning);
    QCOMPARE(ChangeEngine::plan(m_program->values()).image, Other);
    QVERIFY(m_commands->store().volt == before.volt && m_commands->store().cur == before.cur);
    QCOMPARE(m_commands->store().held, before.held);
    QVERIFY(!m_commands->logWindow());
    if (content != Huge)
        QCOMPARE(read(u"f"_qs), content == Absent ? "" : content == Cancelled ? Absent : content);
    // Nothing else appears, in particular no name with an extension added.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(),
        content == Cancelled ? 0 : 1);
}

void TstDataFiles::logSave_refusedUnlessHeld_thenLoadsBackIntoTheWindow()
{
    m_commands->store().voltsAt(1) = 12.5f;
    trigger(SaveLog);
    QCOMPARE(m_prompts.messages, QStringList { u"There is no preserved data."_qs });
    QCOMPARE(m_prompts.dialogs, QStringList());
    fillStore();
    m_commands->store().voltsAt(1) = SampleStore::Missing;
    const SampleStore saved = m_commands->store();
    m_prompts = FakePrompts();
    trigger(SaveLog);

    m_commands->store() = SampleStore();
    trigger(OpenLog);
    QCOMPARE(m_prompts.messages, QStringList());
    QVERIFY(m_commands->store().volt == saved.volt && m_commands->store().cur == saved.cur);
    QVERIFY(m_commands->logWindow() && m_commands->logWindow()->isVisible());
}

TZ_TEST_MAIN(TstDataFiles)
#include "tst_datafiles.moc"
