#include "logfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using LogFile::LoadStatus;

namespace {

const QByteArray Header = "Time(s),Voltage(V),Current(A)\r\n";

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every sample distinct, so that a sample landing in the wrong place shows.
SampleStore filledStore()
{
    SampleStore store;
    for (int n = 1; n <= SampleStore::Count; ++n) {
        store.RunVolt(n) = float(n % 200) / 10.0f;
        store.RunCur(n) = float(n % 49) * 10.0f;
    }
    store.held = true;
    return store;
}

QByteArray dataLines(int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray::number(i) + ",1.5,70\r\n";
    return text;
}

} // namespace

class TestLogFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void makeRunDat_writes513CrLfLinesWithMissingSamplesEmpty()
    {
        SampleStore store;
        store.RunVolt(1) = 12.4f;
        store.RunCur(1) = 150;
        store.RunVolt(3) = SampleStore::Missing;
        store.RunCur(3) = SampleStore::Missing;
        store.RunVolt(4) = 12.1f;
        store.RunCur(4) = SampleStore::Missing;
        store.RunVolt(5) = -2; // only the exact marker means missing
        const QString text = LogFile::MakeRunDat(store);
        QVERIFY(text.endsWith(u"\r\n"_qs));
        const QStringList lines = text.split(u"\r\n"_qs);
        QCOMPARE(lines.size(), 514); // the last line end leaves an empty tail
        QCOMPARE(text.count(u'\n'), text.count(u"\r\n"_qs));
        QCOMPARE(lines[0], u"Time(s),Voltage(V),Current(A)"_qs);
        QCOMPARE(lines[1], u"0,12.4,150"_qs);
        QCOMPARE(lines[2], u"1,0,0"_qs);
        QCOMPARE(lines[3], u"2,,"_qs);
        QCOMPARE(lines[4], u"3,12.1,"_qs);
        QCOMPARE(lines[5], u"4,-2,0"_qs);
        QCOMPARE(lines[512], u"511,0,0"_qs);
    }

    // Protects what a user saved: every sample, missing markers included,
    // comes back in its place and nothing else is taken from the old store.
    void saveThenLoad_givesTheSameSamples()
    {
        SampleStore saved = filledStore();
        saved.RunVolt(7) = SampleStore::Missing;
        saved.RunCur(9) = SampleStore::Missing;
        QVERIFY(LogFile::save(path(), saved));
        SampleStore loaded;
        loaded.volt.fill(99);
        loaded.cur.fill(99);
        QCOMPARE(LogFile::load(path(), loaded), LoadStatus::Loaded);
        QCOMPARE(loaded.volt, saved.volt);
        QCOMPARE(loaded.cur, saved.cur);
        QVERIFY(loaded.held);
    }

    void load_badFile_isTroubleAndChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("header in lower case") << "time(s),Voltage(V),Current(A)\r\n" + dataLines(3);
        QTest::newRow("index skips 2") << Header + "0,1,10\r\n1,2,20\r\n3,3,30\r\n";
        QTest::newRow("index not a number") << Header + "0,1,10\r\nx,2,20\r\n";
        QTest::newRow("value not a number") << Header + "0,1,10\r\n1,2V,20\r\n";
        QTest::newRow("current not a number") << Header + "0,1,10\r\n1,2,twenty\r\n";
        QTest::newRow("value a single cannot hold") << Header + "0,1e300,10\r\n";
        QTest::newRow("empty line") << Header + "0,1,10\r\n\r\n2,3,30\r\n";
        QTest::newRow("513th line with a value") << Header + dataLines(513);
        QTest::newRow("only a line end") << QByteArray("\r\n");
    }
    void load_badFile_isTroubleAndChangesNothing()
    {
        QFETCH(QByteArray, content);
        writeAll(path(), content);
        const SampleStore before = filledStore();
        SampleStore store = before;
        store.held = false;
        QCOMPARE(LogFile::load(path(), store), LoadStatus::Trouble);
        QCOMPARE(store.volt, before.volt);
        QCOMPARE(store.cur, before.cur);
        QVERIFY(!store.held);
    }

    void load_goodFile_replacesOnlyTheSamplesOfItsLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("lines");
        QTest::newRow("header only") << Header << 0;
        QTest::newRow("100 lines") << Header + dataLines(100) << 100;
        QTest::newRow("512 lines, LF only")
            << QByteArray(Header + dataLines(512)).replace("\r\n", "\n") << 512;
        QTest::newRow("513th line without values") << Header + dataLines(512) + "512\r\n" << 512;
        QTest::newRow("no final line end") << Header + dataLines(2).chopped(2) << 2;
        QTest::newRow("extra fields ignored") << Header + "0,1.5,70,junk\r\n" << 1;
    }
    void load_goodFile_replacesOnlyTheSamplesOfItsLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, lines);
        writeAll(path(), content);
        const SampleStore before = filledStore();
        SampleStore store = before;
        store.held = false;
        QCOMPARE(LogFile::load(path(), store), LoadStatus::Loaded);
        QVERIFY(store.held);
        for (int n = 1; n <= SampleStore::Count; ++n) {
            QCOMPARE(store.RunVolt(n), n <= lines ? 1.5f : before.RunVolt(n));
            QCOMPARE(store.RunCur(n), n <= lines ? 70.0f : before.RunCur(n));
        }
    }

    void load_lineFields_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<float>("volt");
        QTest::addColumn<float>("cur");
        QTest::newRow("voltage only") << QByteArray("4,12.5") << 12.5f << 4.0f;
        QTest::newRow("index alone") << QByteArray("4") << 0.5f << 4.0f;
        QTest::newRow("index with zero") << QByteArray("04,1,2") << 1.0f << 2.0f;
        QTest::newRow("index with point") << QByteArray("4.0,1,2") << 1.0f << 2.0f;
        QTest::newRow("both missing") << QByteArray("4,,") << -1.0f << -1.0f;
        QTest::newRow("voltage missing") << QByteArray("4,,30") << -1.0f << 30.0f;
    }
    void load_lineFields()
    {
        QFETCH(QByteArray, line);
        QFETCH(float, volt);
        QFETCH(float, cur);
        QByteArray content = Header;
        for (int i = 0; i < 4; ++i)
            content += QByteArray::number(i) + ",0.5,4\r\n";
        writeAll(path(), content + line + "\r\n");
        SampleStore store;
        store.RunVolt(5) = 0.5f;
        store.RunCur(5) = 4;
        QCOMPARE(LogFile::load(path(), store), LoadStatus::Loaded);
        QCOMPARE(store.RunVolt(5), volt);
        QCOMPARE(store.RunCur(5), cur);
    }

    void load_emptyFile_isEmptyAndChangesNothing()
    {
        writeAll(path(), QByteArray());
        SampleStore store = filledStore();
        store.held = false;
        QCOMPARE(LogFile::load(path(), store), LoadStatus::Empty);
        QCOMPARE(store.volt, filledStore().volt);
        QVERIFY(!store.held);
    }

    void load_unreadableOrHugeFile_isTrouble()
    {
        SampleStore store;
        QCOMPARE(LogFile::load(path(), store), LoadStatus::Trouble);
        {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Header + dataLines(2));
            QVERIFY(file.resize(LogFile::MaxFileSize + 1));
        }
        QCOMPARE(LogFile::load(path(), store), LoadStatus::Trouble);
        QVERIFY(!store.held);
    }

    void save_overReadOnlyFile_failsAndKeepsIt()
    {
        writeAll(path(), "old");
        QFile::setPermissions(path(), QFileDevice::ReadOwner);
        QVERIFY(!LogFile::save(path(), filledStore()));
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
    }

private:
    QString path() const
    {
        return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-'
            + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + u".csv"_qs);
    }

    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
