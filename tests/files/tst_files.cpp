#include "inifile.h"
#include "logfile.h"
#include "logmarkers.h"
#include "settingfile.h"

#include "../testimage.h"
#include "fileio.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using LogFile::LoadStatus;

namespace {

// A file as another tool leaves it: comments, foreign sections, CRLF, other case.
const QByteArray ForeignFile = "; written by hand\r\n[Other]\r\nCommPort=9\r\n\r\n[rs232c]\r\n"
                               "# old port: 2\r\nCOMMPORT = 3 \r\nExtra=x\r\n\r\n[Chart]\r\n";

const QByteArray Header = "Time(s),Voltage(V),Current(A)\r\n";

// Every sample distinct, so that a sample landing in the wrong place shows.
SampleStore filledStore()
{
    SampleStore store;
    for (int n = 1; n <= SampleStore::Count; ++n) {
        store.voltsAt(n) = float(n % 200) / 10.0f;
        store.ampsAt(n) = float(n % 49) * 10.0f;
    }
    return store;
}

QByteArray dataLines(int count, const QByteArray& values = ",1.5,70")
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(i) + values + "\r\n";
    return text;
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    // A fresh folder for every row.
    void init() { m_dir.emplace(); }

    void ini_read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("missing key") << ForeignFile << u"Baud"_qs << u"Error"_qs;
        QTest::newRow("binary junk")
            << QByteArrayLiteral("\0\xff[a\0]\n\x01k=\0z\n[RS232C]\nk=5") << u"k"_qs << u"5"_qs;
    }
    void ini_read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QVERIFY(writeAll(path(), content));
        QTEST(IniFile(path()).value(u"RS232C"_qs, key), "value");
    }

    void ini_writeChangesOnlyWhatItMust_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replace keeps every other byte")
            << ForeignFile << u"RS232C"_qs
            << QByteArray(ForeignFile).replace("COMMPORT = 3 \r\n", "COMMPORT =5\r\n");
        QTest::newRow("new key after a byte order mark")
            << QByteArray("\xEF\xBB\xBF[a]\nk=1\n[b]\n") << u"A"_qs
            << QByteArray("\xEF\xBB\xBF[a]\nk=1\nCommPort=5\n[b]\n");
        QTest::newRow("new section") << QByteArray("[a]\r\nk=1") << u"Chart"_qs
                                     << QByteArray("[a]\r\nk=1\r\n[Chart]\r\nCommPort=5\r\n");
        QTest::newRow("new file") << QByteArray("<missing>") << u"a"_qs
                                  << QByteArray("[a]\nCommPort=5\n");
    }
    void ini_writeChangesOnlyWhatItMust()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        IniFile ini(path());
        if (before != "<missing>")
            QVERIFY(writeAll(path(), before));
        else
            QCOMPARE(ini.value(section, u"CommPort"_qs), u"Error"_qs);
        QVERIFY(ini.setValue(section, u"CommPort"_qs, u"5"_qs));
        QTEST(readAll(path()), "after");
        QCOMPARE(ini.value(section, u"CommPort"_qs), u"5"_qs);
    }

    void ini_writeToReadOnlyFile_failsAndKeepsIt()
    {
        QVERIFY(writeAll(path(), ForeignFile));
        QFile::setPermissions(path(), QFileDevice::ReadOwner);
        QVERIFY(!IniFile(path()).setValue(u"RS232C"_qs, u"CommPort"_qs, u"4"_qs));
        QCOMPARE(readAll(path()), ForeignFile);
    }

    void ini_hugeFile_isNeitherReadNorRewritten()
    {
        QVERIFY(writeAll(path(), "[a]\nk=1\n" + QByteArray(5 * 1024 * 1024, ' ')));
        IniFile ini(path());
        QCOMPARE(ini.value(u"a"_qs, u"k"_qs), u"Error"_qs);
        QVERIFY(!ini.setValue(u"a"_qs, u"k"_qs, u"2"_qs));
        QCOMPARE(QFileInfo(path()).size(), 8 + 5 * 1024 * 1024);
    }

    // What a user saves: 513 CR LF lines, a missing sample as an empty field.
    void logFile_text_marksMissingSamplesAsEmptyFields()
    {
        SampleStore saved = filledStore();
        saved.voltsAt(3) = saved.ampsAt(3) = saved.ampsAt(4) = SampleStore::Missing;
        const QStringList lines = LogFile::logFileText(saved).split(u"\r\n"_qs);
        QCOMPARE(lines.size(), 514); // the last line end leaves an empty tail
        QCOMPARE(lines.mid(1, 4),
            QStringList({ u"0,0.1,10"_qs, u"1,0.2,20"_qs, u"2,,"_qs, u"3,0.4,"_qs }));
        QVERIFY(lines.last().isEmpty() && !lines.join(QString()).contains(u'\n'));
    }

    void logFile_loadReplacesTheLogOrLeavesItAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<LoadStatus>("status");
        QTest::addColumn<int>("lines"); // held from the top; negative: voltages only
        QTest::addColumn<QString>("problem");
        const LoadStatus loaded = LoadStatus::Loaded;
        const LoadStatus trouble = LoadStatus::Trouble;
        QTest::newRow("100 lines") << Header + dataLines(100) << loaded << 100 << QString();
        QTest::newRow("voltage only") << Header + dataLines(4, ",1.5") << loaded << -4 << QString();
        QTest::newRow("byte-order mark")
            << "\xEF\xBB\xBF" + Header + dataLines(3) << loaded << 3 << QString();
        QTest::newRow("header time(s)")
            << "time(s),Voltage(V),Current(A)\r\n" + dataLines(3) << trouble << 0
            << u"Line 1: expected Time(s),Voltage(V),Current(A)"_qs;
        QTest::newRow("513th line, even without a comma") << Header + dataLines(512)
                + "512\r\n" << trouble << 0 << u"Line 514: expected no more than 512 samples"_qs;
        QTest::newRow("fourth field")
            << Header + dataLines(3) + "3,1.5,70,\r\n"
            << trouble << 0 << u"Line 5: expected no more than three fields"_qs;
        QTest::newRow("over 1 MB")
            << Header + "0,1.5,70," + QByteArray(LogFile::MaxFileSize, 'x') + "\r\n"
            << trouble << 0 << u"Larger than a log file can be (1 MiB)"_qs;
    }
    void logFile_loadReplacesTheLogOrLeavesItAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(LoadStatus, status);
        QFETCH(int, lines);
        QVERIFY(writeAll(path(), content));
        const SampleStore before = filledStore();
        SampleStore store = before;
        QString problem;
        QCOMPARE(LogFile::load(path(), store, &problem), status);
        QTEST(problem, "problem");
        QCOMPARE(store.held, status == LoadStatus::Loaded);
        // What the file does not hold is missing, not left over from before.
        const bool loaded = status == LoadStatus::Loaded;
        for (int n = 1; n <= SampleStore::Count; ++n) {
            QCOMPARE(store.voltsAt(n),
                n <= std::abs(lines) ? 1.5f
                    : loaded         ? SampleStore::Missing
                                     : before.voltsAt(n));
            QCOMPARE(store.ampsAt(n),
                n <= lines   ? 70.0f
                    : loaded ? SampleStore::Missing
                             : before.ampsAt(n));
        }
    }

    // Editors may add a byte-order mark and a line end; nothing else passes.
    void markers_surviveSaveAndLoad_data()
    {
        QTest::addColumn<QString>("saved"); // time:text|...
        QTest::addColumn<QString>("loaded");
        QTest::newRow("in time order") << u"40:Throttle cut|12:Take-off|12:Climb"_qs
                                       << u"12:Take-off|12:Climb|40:Throttle cut"_qs;
        QTest::newRow("one line, cut")
            << u"512: a\tb\r\nc "_qs + QString(70, u'x') << u"512:a b c "_qs + QString(54, u'x');
        QTest::newRow("UTF-8") << u"0:着陸"_qs << u"0:着陸"_qs;
        QTest::newRow("none: no sidecar") << QString() << QString();
    }
    void markers_surviveSaveAndLoad()
    {
        QFETCH(QString, saved);
        QVERIFY(LogMarkers::save(path(), { { 1, u"old"_qs } }));
        QList<LogMarker> markers;
        for (const QString& m : saved.split(u'|', Qt::SkipEmptyParts))
            markers.append({ m.section(u':', 0, 0).toInt(), m.section(u':', 1) });
        QVERIFY(LogMarkers::save(path(), markers) && LogMarkers::load(path(), markers));
        QStringList loaded;
        for (const LogMarker& m : markers)
            loaded.append(QString::number(m.time) + u':' + m.text);
        QTEST(loaded.join(u'|'), "loaded");
        QCOMPARE(QFileInfo::exists(path() + u".markers"_qs), !saved.isEmpty());
    }

    void settingFile_load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<SettingFile::LoadStatus>("status");
        QTest::addColumn<QString>("problem"); // its start
        const QByteArray image = Example.toLatin1();
        const auto notHex = SettingFile::LoadStatus::NotHex;
        const auto length = SettingFile::LoadStatus::WrongLength;
        QTest::newRow("BOM CR LF") << "\xEF\xBB\xBF" + image + "\r\n"
                                   << SettingFile::LoadStatus::Image << QString();
        QTest::newRow("63 characters") << image.left(63) << length << u"63 characters: "_qs;
        QTest::newRow("two line ends") << image + "\n\n" << length << u"65 characters: "_qs;
        QTest::newRow("character 11") << QByteArray(image).replace(10, 1, "G") << notHex
                                      << u"Character 11: expected a hexadecimal digit"_qs;
        QTest::newRow("character 64")
            << QByteArray(image).replace(63, 1, "g") << notHex << u"Character 64: "_qs;
    }
    void settingFile_load()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        QVERIFY(writeAll(path(), content));
        const SettingFile::Loaded loaded = SettingFile::load(path());
        QTEST(loaded.status, "status");
        QVERIFY2(loaded.problem.text.startsWith(problem), qPrintable(loaded.problem.text));
        QCOMPARE(loaded.text, problem.isEmpty() ? Example : QString());
    }

    void loaders_openOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind"); // what the path names
        // The setting file's; the log file's is Trouble unless Empty.
        QTest::addColumn<SettingFile::LoadStatus>("status");
        QTest::newRow("folder") << u"folder"_qs << SettingFile::LoadStatus::Folder;
#ifdef Q_OS_UNIX
        // Opened, a FIFO would wait for a writer for ever.
        QTest::newRow("FIFO") << u"fifo"_qs << SettingFile::LoadStatus::NotRegular;
        QTest::newRow("link to a FIFO")
            << u"link to fifo"_qs << SettingFile::LoadStatus::NotRegular;
        QTest::newRow("link to a file") << u"link to file"_qs << SettingFile::LoadStatus::Empty;
#endif
    }
    void loaders_openOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(SettingFile::LoadStatus, status);
        const bool linked = kind.startsWith(u"link"_qs);
        const QString made = linked ? m_dir->filePath(u"target"_qs) : path();
        if (kind == u"folder"_qs)
            QVERIFY(QDir().mkdir(made));
        else if (kind.endsWith(u"file"_qs))
            QVERIFY(writeAll(made, {}));
#ifdef Q_OS_UNIX
        else
            QCOMPARE(::mkfifo(QFile::encodeName(made).constData(), 0600), 0);
#endif
        QVERIFY(!linked || QFile::link(made, path()));
        QCOMPARE(SettingFile::load(path()).status, status);
        SampleStore store;
        QCOMPARE(LogFile::load(path(), store) == LoadStatus::Trouble,
            status != SettingFile::LoadStatus::Empty);
    }

private:
    QString path() const { return m_dir->filePath(u"f"_qs); }

    std::optional<QTemporaryDir> m_dir;
};

QTEST_APPLESS_MAIN(TestFiles)
#include "tst_files.moc"
