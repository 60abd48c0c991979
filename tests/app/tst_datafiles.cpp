#include "datafiles.h"
#include "fakeprompts.h"
#include "fakeserialline.h"
#include "frmlog.h"
#include "frmmain.h"
#include "maincommands.h"
#include "parameterrows.h"
#include "porttable.h"
#include "startup.h"
#include "testrc.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

namespace {

const QString Example = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;
// Box 0 holds 2000 instead of 1000.
const QString Other = u"D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;
const QString Trouble = u"Trouble is found in data."_qs;
const QString CannotSave = u"The file cannot be saved."_qs;
const QString Overwrite = u"The file already exists. \r\nDo you overwrite?"_qs;
const QString Create = u"File not found. Create it?"_qs;
const QString Header = u"Time(s),Voltage(V),Current(A)\r\n"_qs;

enum Menu { OpenSetting, SaveSetting, OpenLog, SaveLog };

QString withChars(QString image, int at, const QString& text)
{
    return image.replace(at, text.size(), text);
}

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

Q_DECLARE_METATYPE(Prompts::Icon)

class TstDataFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void settingSave_thenOpen_givesSameParametersFromA64ByteFile();
    void settingSave_afterFileLoad_reproducesTheLoadedFile();
    void settingSave_withBadBox_refusesBeforeAnyDialog();
    void settingOpen_content_data();
    void settingOpen_content();
    void dialogs_answers_data();
    void dialogs_answers();
    void save_overReadOnlyFile_warnsAndKeepsOldContent_data();
    void save_overReadOnlyFile_warnsAndKeepsOldContent();
    void save_intoReadOnlyFolder_warnsAndWritesNothing();
    void logSave_thenOpen_givesSameStoreFrom513CrLfLines();
    void logSave_refusedOnlyWhenNoLogIsHeld_data();
    void logSave_refusedOnlyWhenNoLogIsHeld();
    void logOpen_badFile_showsTroubleAndLeavesStore_data();
    void logOpen_badFile_showsTroubleAndLeavesStore();
    void logOpen_emptyFile_loadsNothingSilently();
    void hugeFile_isRefusedAtOnceWithoutReadingIt_data();
    void hugeFile_isRefusedAtOnceWithoutReadingIt();

private:
    void trigger(Menu menu);
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void write(const QString& name, const QByteArray& bytes);
    QByteArray read(const QString& name) const;
    QStringList boxes() const;
    void showImage(const QString& image);
    void resetPrompts();
    void fillStore();

    std::unique_ptr<QTemporaryDir> m_dir;
    AppState m_state;
    FakeSerialLine m_line;
    FakePrompts m_prompts;
    std::unique_ptr<TestRC> m_rc;
    std::unique_ptr<FrmMain> m_frm;
    std::unique_ptr<MainCommands> m_commands;
};

void TstDataFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_state = AppState();
    m_state.AppPath = m_dir->path();
    m_state.VersionText = u"Version1.00"_qs;
    m_line.close();
    m_line.openable = { PortDevice(3, nullptr) };
    write(u"TZ586KV Link.ini"_qs, "[RS232C]\nCommPort=3\n");
    m_rc = std::make_unique<TestRC>(m_state, m_line);
    m_frm = std::make_unique<FrmMain>(*m_rc, m_prompts);
    m_frm->setQuit([] {});
    m_commands = std::make_unique<MainCommands>(*m_rc, *m_frm);
    StartUp(*m_rc, *m_frm);
    resetPrompts();
}

void TstDataFiles::cleanup()
{
    m_commands.reset();
    m_frm.reset();
    m_rc.reset();
    m_dir.reset();
}

void TstDataFiles::trigger(Menu menu)
{
    QAction* actions[]
        = { m_frm->mnuOpen(), m_frm->mnuSave(), m_frm->munOpenLog(), m_frm->mnuSaveLog() };
    actions[menu]->trigger();
}

void TstDataFiles::write(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TstDataFiles::read(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

QStringList TstDataFiles::boxes() const
{
    QStringList texts;
    for (int i = 0; i < ParameterCount; ++i)
        texts.append(m_frm->rows().TxtData(i)->text());
    texts << m_frm->rows().TxtTzType()->text() << m_frm->rows().TxtVer()->text();
    return texts;
}

void TstDataFiles::showImage(const QString& image)
{
    QVERIFY(m_commands->ShowBufferData(image));
    resetPrompts();
}

void TstDataFiles::resetPrompts()
{
    m_prompts.messages.clear();
    m_prompts.icons.clear();
    m_prompts.dialogs.clear();
    m_prompts.answer = false;
    m_prompts.fileName.clear();
}

// Values as a Get leaves them: one decimal for volts, whole tens for amperes.
void TstDataFiles::fillStore()
{
    SampleStore& store = m_commands->store();
    for (int n = 1; n <= SampleStore::Count; ++n) {
        store.RunVolt(n) = n % 7 == 0 ? SampleStore::Missing : float((100 + n) / 10.0);
        store.RunCur(n) = n % 5 == 0 ? SampleStore::Missing : float(n * 10 - 300);
    }
    store.held = true;
}

void TstDataFiles::settingSave_thenOpen_givesSameParametersFromA64ByteFile()
{
    showImage(Example);
    m_frm->rows().TxtData(0)->setText(u"1200"_qs);
    const QStringList saved = boxes();
    m_prompts.fileName = path(u"a.set"_qs);
    trigger(SaveSetting);
    const QByteArray file = read(u"a.set"_qs);
    QCOMPARE(file.size(), 64);
    QVERIFY(file != Example.toLatin1());

    showImage(Other);
    m_prompts.fileName = path(u"a.set"_qs);
    trigger(OpenSetting);
    QCOMPARE(boxes(), saved);
    QCOMPARE(m_prompts.messages, QStringList());
    QCOMPARE(m_prompts.dialogs, QStringList { u"open:"_qs + DataFiles::SettingFilter });
}

void TstDataFiles::settingSave_afterFileLoad_reproducesTheLoadedFile()
{
    write(u"in.set"_qs, Example.toLatin1());
    m_prompts.fileName = path(u"in.set"_qs);
    trigger(OpenSetting);
    QCOMPARE(m_frm->rows().TxtData(0)->text(), u"1000"_qs);
    QVERIFY(m_frm->CmdTzCom(1)->isEnabled());
    m_prompts.fileName = path(u"out.set"_qs);
    trigger(SaveSetting);
    QCOMPARE(read(u"out.set"_qs), Example.toLatin1());
    QCOMPARE(m_prompts.messages, QStringList());
}

void TstDataFiles::settingSave_withBadBox_refusesBeforeAnyDialog()
{
    showImage(Example);
    m_frm->rows().TxtData(3)->clear();
    m_prompts.fileName = path(u"a.set"_qs);
    trigger(SaveSetting);
    QCOMPARE(
        m_prompts.messages, QStringList { u"Data is abnormal!!\r\nPlease set it correctly."_qs });
    QCOMPARE(m_prompts.icons, QList { Prompts::Icon::Information });
    QCOMPARE(m_prompts.dialogs, QStringList());
    QVERIFY(!QFile::exists(path(u"a.set"_qs)));
}

void TstDataFiles::settingOpen_content_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Prompts::Icon>("icon");
    QTest::addColumn<bool>("writeEnabled");
    const QByteArray image = Example.toLatin1();
    using I = Prompts::Icon;
    QTest::newRow("image") << image << true << QString() << I::None << true;
    QTest::newRow("trailing CR LF") << image + "\r\n" << false << QString() << I::None << true;
    QTest::newRow("63 characters") << image.left(63) << false << QString() << I::None << true;
    QTest::newRow("empty") << QByteArray() << false << QString() << I::None << true;
    QTest::newRow("field not hex")
        << withChars(Example, 10, u"G"_qs).toLatin1() << false << Trouble << I::Error << true;
    QTest::newRow("model FF") << withChars(Example, 58, u"FF"_qs).toLatin1() << false
                              << u"Setting Data is deleted."_qs << I::Warning << false;
    QTest::newRow("model 03") << withChars(Example, 58, u"03"_qs).toLatin1() << false
                              << u"TZ type is different."_qs << I::Warning << false;
}

void TstDataFiles::settingOpen_content()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    QFETCH(QString, message);
    QFETCH(Prompts::Icon, icon);
    QFETCH(bool, writeEnabled);
    showImage(Example);
    const QStringList example = boxes();
    showImage(Other);
    QStringList expected = loads ? example : boxes();
    if (message == u"TZ type is different.")
        expected[ParameterCount].clear();
    write(u"x.set"_qs, content);
    m_prompts.fileName = path(u"x.set"_qs);
    trigger(OpenSetting);
    QCOMPARE(boxes(), expected);
    QCOMPARE(m_prompts.messages, message.isEmpty() ? QStringList() : QStringList { message });
    if (!message.isEmpty())
        QCOMPARE(m_prompts.icons.first(), icon);
    QCOMPARE(m_frm->CmdTzCom(1)->isEnabled(), writeEnabled);
    QCOMPARE(read(u"x.set"_qs), content);
}

void TstDataFiles::dialogs_answers_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("name"); // "" cancels; "old" exists holding "keep"
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("after");
    const QByteArray absent("<absent>");
    const QByteArray image = Example.toLatin1();
    QTest::newRow("open setting cancelled")
        << int(OpenSetting) << u""_qs << true << QStringList() << absent;
    QTest::newRow("save setting cancelled")
        << int(SaveSetting) << u""_qs << true << QStringList() << absent;
    QTest::newRow("open log cancelled")
        << int(OpenLog) << u""_qs << true << QStringList() << absent;
    QTest::newRow("save log cancelled")
        << int(SaveLog) << u""_qs << true << QStringList() << absent;
    QTest::newRow("open setting missing, No")
        << int(OpenSetting) << u"new"_qs << false << QStringList { Create } << absent;
    QTest::newRow("open setting missing, Yes")
        << int(OpenSetting) << u"new"_qs << true << QStringList { Create } << QByteArray("");
    QTest::newRow("open log missing, Yes")
        << int(OpenLog) << u"new"_qs << true << QStringList { Create } << QByteArray("");
    QTest::newRow("open in a missing folder, Yes")
        << int(OpenSetting) << u"no/new"_qs << true << QStringList { Create, Trouble } << absent;
    QTest::newRow("save setting over file, No") << int(SaveSetting) << u"old"_qs << false
                                                << QStringList { Overwrite } << QByteArray("keep");
    QTest::newRow("save log over file, No")
        << int(SaveLog) << u"old"_qs << false << QStringList { Overwrite } << QByteArray("keep");
    QTest::newRow("save setting over file, Yes")
        << int(SaveSetting) << u"old"_qs << true << QStringList { Overwrite } << image;
    QTest::newRow("save setting, no extension added")
        << int(SaveSetting) << u"new"_qs << true << QStringList() << image;
}

void TstDataFiles::dialogs_answers()
{
    QFETCH(int, menu);
    QFETCH(QString, name);
    QFETCH(bool, yes);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, after);
    showImage(Example);
    fillStore();
    const SampleStore before = m_commands->store();
    const QStringList shown = boxes();
    write(u"old"_qs, "keep");
    m_prompts.fileName = name.isEmpty() ? name : path(name);
    m_prompts.answer = yes;
    trigger(Menu(menu));

    const bool log = menu == OpenLog || menu == SaveLog;
    const bool open = menu == OpenSetting || menu == OpenLog;
    QCOMPARE(m_prompts.dialogs,
        QStringList { (open ? u"open:"_qs : u"save:"_qs)
            + (log ? DataFiles::LogFilter : DataFiles::SettingFilter) });
    QCOMPARE(m_prompts.messages, messages);
    QCOMPARE(read(name.isEmpty() ? u"new"_qs : name), after);
    QCOMPARE(boxes(), shown);
    QVERIFY(m_commands->store().volt == before.volt && m_commands->store().cur == before.cur);
    QVERIFY(!m_commands->logWindow());
    // Nothing else appears, in particular no name with an extension added.
    QStringList files { u"TZ586KV Link.ini"_qs, u"old"_qs };
    if (name == u"new" && after != "<absent>")
        files.append(u"new"_qs);
    files.sort();
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
}

void TstDataFiles::save_overReadOnlyFile_warnsAndKeepsOldContent_data()
{
    QTest::addColumn<int>("menu");
    QTest::newRow("setting") << int(SaveSetting);
    QTest::newRow("log") << int(SaveLog);
}

void TstDataFiles::save_overReadOnlyFile_warnsAndKeepsOldContent()
{
    QFETCH(int, menu);
    showImage(Example);
    fillStore();
    write(u"ro"_qs, "old content");
    QVERIFY(QFile::setPermissions(path(u"ro"_qs), QFile::ReadOwner | QFile::ReadGroup));
    m_prompts.fileName = path(u"ro"_qs);
    m_prompts.answer = true;
    trigger(Menu(menu));
    QCOMPARE(m_prompts.messages, (QStringList { Overwrite, CannotSave }));
    QCOMPARE(m_prompts.icons.last(), Prompts::Icon::Warning);
    QCOMPARE(read(u"ro"_qs), QByteArray("old content"));
}

void TstDataFiles::save_intoReadOnlyFolder_warnsAndWritesNothing()
{
    const QString folder = path(u"locked"_qs);
    QVERIFY(QDir().mkdir(folder));
    write(u"locked/old.set"_qs, "old content");
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    auto unlock
        = qScopeGuard([&] { QFile::setPermissions(folder, QFile::permissions(m_dir->path())); });
    QFile probe(folder + u"/probe"_qs);
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("the folder's write protection does not hold for this user (root)");
    }
    showImage(Example);
    m_prompts.fileName = folder + u"/old.set"_qs;
    m_prompts.answer = true;
    trigger(SaveSetting);
    QCOMPARE(m_prompts.messages, (QStringList { Overwrite, CannotSave }));
    QCOMPARE(m_prompts.icons.last(), Prompts::Icon::Warning);
    QCOMPARE(read(u"locked/old.set"_qs), QByteArray("old content"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList { u"old.set"_qs });
}

void TstDataFiles::logSave_thenOpen_givesSameStoreFrom513CrLfLines()
{
    fillStore();
    const SampleStore saved = m_commands->store();
    m_prompts.fileName = path(u"log.csv"_qs);
    trigger(SaveLog);
    const QByteArray file = read(u"log.csv"_qs);
    QVERIFY(file.endsWith("\r\n"));
    const QList<QByteArray> lines = file.chopped(1).split('\n');
    QCOMPARE(lines.size(), 513);
    for (const QByteArray& line : lines)
        QVERIFY2(line.endsWith('\r') && line.count('\r') == 1, line.constData());
    QCOMPARE(lines[0], QByteArray("Time(s),Voltage(V),Current(A)\r"));
    QCOMPARE(lines[35], QByteArray("34,,\r")); // sample 35: neither value

    m_commands->store() = SampleStore();
    trigger(OpenLog);
    QCOMPARE(m_prompts.messages, QStringList());
    QVERIFY(m_commands->store().volt == saved.volt);
    QVERIFY(m_commands->store().cur == saved.cur);
    QVERIFY(m_commands->store().held);
    QVERIFY(m_commands->logWindow() && m_commands->logWindow()->isVisible());
}

void TstDataFiles::logSave_refusedOnlyWhenNoLogIsHeld_data()
{
    QTest::addColumn<bool>("held");
    QTest::addColumn<float>("firstVolt");
    QTest::newRow("nothing held") << false << SampleStore::Missing;
    QTest::newRow("values but not held") << false << 12.5f;
    QTest::newRow("held, first sample missing") << true << SampleStore::Missing;
}

void TstDataFiles::logSave_refusedOnlyWhenNoLogIsHeld()
{
    QFETCH(bool, held);
    QFETCH(float, firstVolt);
    m_commands->store().held = held;
    m_commands->store().RunVolt(1) = firstVolt;
    m_commands->store().RunVolt(2) = 13.0f;
    m_prompts.fileName = path(u"log.csv"_qs);
    trigger(SaveLog);
    if (held) {
        QCOMPARE(m_prompts.messages, QStringList());
        QVERIFY(read(u"log.csv"_qs).startsWith((Header + u"0,,0\r\n1,13,0\r\n"_qs).toLatin1()));
    } else {
        QCOMPARE(m_prompts.messages, QStringList { u"There is no preserved data."_qs });
        QCOMPARE(m_prompts.icons, QList { Prompts::Icon::Warning });
        QCOMPARE(m_prompts.dialogs, QStringList());
        QVERIFY(!QFile::exists(path(u"log.csv"_qs)));
    }
}

void TstDataFiles::logOpen_badFile_showsTroubleAndLeavesStore_data()
{
    QTest::addColumn<QString>("content");
    QString full = Header;
    for (int n = 0; n < 512; ++n)
        full += QString::number(n) + u",1,2\r\n"_qs;
    QTest::newRow("header time(s)") << u"time(s),Voltage(V),Current(A)\r\n0,1,2\r\n"_qs;
    QTest::newRow("lines 0, 1, 3") << Header + u"0,1,2\r\n1,3,4\r\n3,5,6\r\n"_qs;
    QTest::newRow("value not a number") << Header + u"0,1,2\r\n1,x,4\r\n"_qs;
    QTest::newRow("empty line") << Header + u"0,1,2\r\n\r\n2,5,6\r\n"_qs;
    QTest::newRow("513th data line") << full + u"512,1,2\r\n"_qs;
}

void TstDataFiles::logOpen_badFile_showsTroubleAndLeavesStore()
{
    QFETCH(QString, content);
    fillStore();
    const SampleStore before = m_commands->store();
    write(u"bad.csv"_qs, content.toLatin1());
    m_prompts.fileName = path(u"bad.csv"_qs);
    trigger(OpenLog);
    QCOMPARE(m_prompts.messages, QStringList { Trouble });
    QCOMPARE(m_prompts.icons, QList { Prompts::Icon::Error });
    QVERIFY(m_commands->store().volt == before.volt && m_commands->store().cur == before.cur);
    QVERIFY(!m_commands->logWindow());
}

void TstDataFiles::logOpen_emptyFile_loadsNothingSilently()
{
    write(u"empty.csv"_qs, {});
    m_prompts.fileName = path(u"empty.csv"_qs);
    trigger(OpenLog);
    QCOMPARE(m_prompts.messages, QStringList());
    QVERIFY(!m_commands->store().held);
    QVERIFY(!m_commands->logWindow());
    // Still nothing to save.
    trigger(SaveLog);
    QCOMPARE(m_prompts.messages, QStringList { u"There is no preserved data."_qs });
}

void TstDataFiles::hugeFile_isRefusedAtOnceWithoutReadingIt_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("setting") << int(OpenSetting) << QStringList();
    QTest::newRow("log") << int(OpenLog) << QStringList { Trouble };
}

void TstDataFiles::hugeFile_isRefusedAtOnceWithoutReadingIt()
{
    QFETCH(int, menu);
    QFETCH(QStringList, messages);
    showImage(Example);
    fillStore();
    const SampleStore before = m_commands->store();
    const QStringList shown = boxes();
    QFile huge(path(u"huge"_qs));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(qint64(1) << 30));
    huge.close();
    m_prompts.fileName = huge.fileName();
    const long peakBefore = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    trigger(Menu(menu));
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(peakKilobytes() - peakBefore < 64 * 1024);
    QCOMPARE(m_prompts.messages, messages);
    QCOMPARE(boxes(), shown);
    QVERIFY(m_commands->store().volt == before.volt && m_commands->store().cur == before.cur);
    QVERIFY(!m_commands->logWindow());
}

QTEST_MAIN(TstDataFiles)
#include "tst_datafiles.moc"
