#include "historyformat.h"
#include "historystore.h"
#include "loghistory.h"

#include "fileio.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace Qt::Literals::StringLiterals;
using Kind = HistoryStore::Kind;

namespace {
const QString A = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_s;
const QString B = u"D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_s;
const QDateTime Start(QDate(2026, 12, 7), QTime(14, 3, 22), Qt::UTC);
constexpr int RecordsPerProcess = 25;

QString numbered(int n)
{
    return QString::number(n, 16).rightJustified(4, u'0').toUpper() + A.mid(4);
}

// A second process recording into the same folder, all in one second.
int recordMany(const QString& root, const QString& port)
{
    HistoryStore store(root, [] { return Start; });
    int failed = 0;
    for (int i = 0; i < RecordsPerProcess; ++i)
        failed += !store.record(Kind::Read, numbered(i), port);
    return failed;
}
}

class TstHistoryStore : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_now = Start;
        m_store = std::make_unique<HistoryStore>(root(), [this] { return m_now; });
    }

    void twoRecorders_inOneSecond_keepEveryEntryWithItsPort()
    {
        HistoryStore other(root(), [this] { return m_now; });
        record(Kind::Read, A, u"Com1"_s);
        QVERIFY(other.record(Kind::Read, A, u"Com2"_s)); // same image, other port
        record(Kind::BeforeWrite, B, u"Com1"_s);
        QVERIFY(other.record(Kind::Written, B, u"Com2"_s));
        record(Kind::Verified, B, u"Com2"_s);
        QCOMPARE(summary(),
            QStringList({ u"2026-12-07_14-03-22Z-4_written.set written, verified Com2"_s,
                u"2026-12-07_14-03-22Z-3_before-write.set before write Com1"_s,
                u"2026-12-07_14-03-22Z-2_read.set read Com2"_s,
                u"2026-12-07_14-03-22Z_read.set read Com1"_s }));
        QCOMPARE(readAll(m_store->entries().at(1).path), B.toLatin1());
    }

    void twoLogRecorders_inOneSecond_keepEveryLogWithPortAndImage()
    {
        LogHistory one(LogHistory::rootIn(root()), [this] { return m_now; });
        LogHistory two(one.root(), [this] { return m_now; });
        SampleStore store;
        QVERIFY(!one.record(store, u"Com1"_s, A) && !one.failed()); // no log held: none kept
        store.held = true;
        for (int k = 0; k < 3; ++k) {
            store.voltsAt(1) = float(k);
            QVERIFY((k == 1 ? two : one).record(store, u"Com%1"_s.arg(k), k < 2 ? A : u"x"_s));
        }
        QStringList listed;
        for (const LogHistory::Entry& e : two.entries())
            listed.append(
                u"%1 %2 %3 %4"_s.arg(QFileInfo(e.path).fileName(), e.port, e.image.left(4),
                    QString::fromLatin1(readAll(e.path).split('\n').value(1).trimmed())));
        QCOMPARE(listed,
            QStringList({ u"2026-12-07_14-03-22Z-3_log.csv Com2  0,2,0"_s,
                u"2026-12-07_14-03-22Z-2_log.csv Com1 E803 0,1,0"_s,
                u"2026-12-07_14-03-22Z_log.csv Com0 E803 0,0,0"_s }));
    }

    void kinds_areAllListed_data()
    {
        QTest::addColumn<QString>("records");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("write") << u"before-write:A written:B read:B verified:B"_s
                               << QStringList { u"written, read, verified"_s, u"before write"_s };
        QTest::newRow("default write") << u"before-default:A default-write:B"_s
                                       << QStringList { u"default write"_s, u"before default"_s };
        QTest::newRow("defaults held") << u"before-default:A default-write:A"_s
                                       << QStringList { u"before default, default write"_s };
    }
    void kinds_areAllListed()
    {
        QFETCH(QString, records);
        QFETCH(QStringList, listed);
        for (const QString& step : records.split(u' ')) {
            int kind = 0;
            while (HistoryStore::kindWord(Kind(kind)) != step.section(u':', 0, 0))
                ++kind;
            record(Kind(kind), step.endsWith(u'A') ? A : B);
        }
        QStringList kinds;
        for (const HistoryStore::Entry& e : m_store->entries())
            kinds.append(HistoryStore::kindsText(e));
        QCOMPARE(kinds, listed);
    }

    // Older names and lines hold local time (see the second run, in Tokyo).
    void olderEntries_listInLocalTimeWithoutPort()
    {
        QVERIFY(QDir().mkpath(root()));
        writeAll(root() + u"/2026-12-07_15-03-20_read.set"_s, B.toLatin1());
        writeAll(root() + u"/2026-12-07_15-03-22_default-write.set"_s, A.toLatin1());
        writeAll(root() + u"/index.tsv"_s,
            "2026-12-07 15:03:20\tread\t2026-12-07_15-03-20_read.set\n"
            "2026-12-07 15:03:22\tdefault-write\t2026-12-07_15-03-22_default-write.set\r\n"
            "2026-12-07 15:03:25\tread\t2026-12-07_15-03-20_read.set\n");
        m_now = QDateTime(QDate(2026, 12, 7), QTime(15, 3, 30)).toUTC();
        record(Kind::DefaultWrite, A, u"Com1"_s);
        QCOMPARE(summary(),
            QStringList({ m_now.toString(u"yyyy-MM-dd_HH-mm-ss"_s)
                    + u"Z_default-write.set default write Com1"_s,
                u"2026-12-07_15-03-22_default-write.set before default "_s,
                u"2026-12-07_15-03-20_read.set read "_s }));
        const HistoryStore::Entry old = m_store->entries().last();
        QCOMPARE(old.time, QDateTime(QDate(2026, 12, 7), QTime(15, 3, 20)));
        QCOMPARE(old.lastSeen, QDateTime(QDate(2026, 12, 7), QTime(15, 3, 25)));
        QCOMPARE(old.romVersion, 0x15);
    }

    void twoProcesses_loseNoEntryOrIndexLine()
    {
        record(Kind::Read, B);
        // An index long even when compacted is compacted on every record, each
        // time under the lock.
        QFile index(root() + u"/index.tsv"_s);
        QVERIFY(index.open(QIODevice::Append));
        for (int i = 1; i <= 90; ++i) {
            const QString file = HistoryFormat::formatName(Start.addSecs(-i), 1, u"read"_s);
            QVERIFY(writeAll(root() + u'/' + file, A.toLatin1()));
            index.write(HistoryFormat::formatLine(
                { Start.addSecs(-i), u"read"_s, file, QString(3000, u'x'), 2, 21 }));
        }
        index.close();
        std::array<QProcess, 2> recorders;
        for (size_t i = 0; i < recorders.size(); ++i)
            recorders[i].start(QCoreApplication::applicationFilePath(),
                { u"--record"_s, root(), u"Com%1"_s.arg(i + 1) });
        for (QProcess& p : recorders) {
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
        }
        QCOMPARE(m_store->entries().size(), 91 + 2 * RecordsPerProcess);
        QCOMPARE(readAll(index.fileName()).count('\n'), 91 + 2 * RecordsPerProcess);
    }

    // Whatever the index has come to, the next record leaves one that names
    // every entry, each with its port and the newest time it came back.
    void index_namesEveryEntryAfterTheNextRecord_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("damage");
        QTest::newRow("compacted beyond its size") << 2500 << QString();
        QTest::newRow("partial last line") << 3 << u"partial"_s;
        QTest::newRow("garbage, rebuilt from the entries") << 3 << u"garbage"_s;
    }
    void index_namesEveryEntryAfterTheNextRecord()
    {
        QFETCH(int, count);
        QFETCH(QString, damage);
        QVERIFY(QDir().mkpath(root()));
        QByteArray index;
        const auto port = [](int i) { return u"tcp://bench-%1.example:3001"_s.arg(i, 40); };
        for (int i = 0; i < count; ++i) {
            const QString file = HistoryFormat::formatName(Start.addSecs(i), 1, u"read"_s);
            QVERIFY(writeAll(root() + u'/' + file, numbered(i).toLatin1()));
            index
                += HistoryFormat::formatLine({ Start.addSecs(i), u"read"_s, file, port(i), 2, 21 });
            if (i == 0) // came back as verified, then read again
                for (const char* kind : { "verified", "read" })
                    index += HistoryFormat::formatLine({ Start.addSecs(count + (*kind == 'r')),
                        QString::fromLatin1(kind), file, port(i), 2, 21 });
        }
        if (damage == u"partial"_s)
            index.chop(1);
        QVERIFY(writeAll(root() + u"/index.tsv"_s,
            damage == u"garbage"_s ? QByteArray("\x01\tgarbage\n") : index));
        m_now = Start.addSecs(count + 60);
        record(Kind::Written, B, u"Com9"_s);

        const QList<HistoryStore::Entry> entries = m_store->entries();
        QCOMPARE(entries.size(), count + 1);
        QCOMPARE(entries.first().port, u"Com9"_s);
        const bool garbage = damage == u"garbage"_s;
        for (int i = 0; i < count; ++i)
            QCOMPARE(entries.at(count - i).port, garbage ? QString() : port(i));
        QCOMPARE(
            HistoryStore::kindsText(entries.last()), garbage ? u"read"_s : u"read, verified"_s);
        QCOMPARE(entries.last().lastSeen, garbage ? Start : Start.addSecs(count + 1));
        // Every line is one, and there is one at least for each entry.
        const QList<QByteArray> lines = readAll(root() + u"/index.tsv"_s).split('\n');
        QVERIFY(lines.size() > count + 1 && lines.last().isEmpty());
        for (const QByteArray& line : lines.first(lines.size() - 1))
            QVERIFY2(HistoryFormat::parseLine(line), line.constData());
    }

    // The entry is whole on disk before the index names it: an index that
    // cannot be written leaves it complete.
    void entry_isWholeBeforeTheIndexNamesIt()
    {
        QVERIFY(QDir().mkpath(root() + u"/index.tsv"_s));
        QVERIFY(!m_store->record(Kind::Read, A));
        QCOMPARE(readAll(root() + u"/2026-12-07_14-03-22Z_read.set"_s), A.toLatin1());
    }

    void pruning_keepsTheNewestAndTheLastThirtyDays_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("secondsApart");
        QTest::addColumn<int>("kept");
        QTest::newRow("2000 over years") << 2000 << 86400 << 1000;
        QTest::newRow("1010 in a day") << 1010 << 60 << 1010;
        QTest::newRow("1100 over 30.5 days") << 1100 << 2400 << 1081;
    }
    void pruning_keepsTheNewestAndTheLastThirtyDays()
    {
        QFETCH(int, records);
        QFETCH(int, secondsApart);
        QFETCH(int, kept);
        // Earlier entries as files alone: the last record prunes them at once.
        QVERIFY(QDir().mkpath(root()));
        for (int i = 0; i < records; ++i) {
            m_now = Start.addSecs(qint64(i) * secondsApart);
            const QString name = m_now.toString(u"yyyy-MM-dd_HH-mm-ss"_s) + u"Z_read.set"_s;
            if (i < records - 1)
                QVERIFY(writeAll(root() + u'/' + name, (i % 2 ? B : A).toLatin1()));
        }
        record(Kind::Read, records % 2 ? A : B);
        const QList<HistoryStore::Entry> entries = m_store->entries();
        QCOMPARE(entries.first().time, m_now);
        QCOMPARE(entries.last().time, Start.addSecs(qint64(records - kept) * secondsApart));
        QCOMPARE(QDir(root()).entryList({ u"*.set"_s }).size(), kept);
    }

    void damagedEntries_areSkipped()
    {
        record(Kind::Read, A);
        writeAll(root() + u"/2026-12-07_14-03-23Z_read.set"_s, A.toLatin1() + "\n\n");
        writeAll(root() + u"/2026-12-07_14-03-24_read.set"_s, "XY" + A.toLatin1().mid(2));
        writeAll(root() + u"/2026-12-07_14-03-25Z_written.set"_s, QByteArray());
        writeAll(root() + u"/2026-12-07_14-03-26Z_other.set"_s, A.toLatin1());
        writeAll(root() + u"/notes.set"_s, A.toLatin1());
        QCOMPARE(summary(), QStringList { u"2026-12-07_14-03-22Z_read.set read "_s });
    }

    void readOnlyFolder_failsQuietly_andNoticesOnce()
    {
#ifdef Q_OS_WIN
        QSKIP(
            "Windows ignores a folder's read-only attribute: only access rights keep writes out.");
#endif
        QVERIFY(QDir().mkpath(root()));
        QVERIFY(QFile::setPermissions(root(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!m_store->record(Kind::Read, A));
        QVERIFY(!m_store->record(Kind::Written, B));
        QVERIFY(m_store->failed() && m_store->takeFailureNotice());
        QVERIFY(!m_store->takeFailureNotice() && QDir(root()).isEmpty());
    }

private:
    QString root() const { return m_dir->filePath(u"history"_s); }
    void record(Kind kind, const QString& image, const QString& port = {})
    {
        QVERIFY(m_store->record(kind, image, port));
    }
    // Name, kinds and port of each entry.
    QStringList summary()
    {
        QStringList list;
        for (const HistoryStore::Entry& e : m_store->entries())
            list.append(u"%1 %2 %3"_s.arg(
                QFileInfo(e.path).fileName(), HistoryStore::kindsText(e), e.port));
        return list;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QDateTime m_now;
    std::unique_ptr<HistoryStore> m_store;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == u"--record"_s)
        return recordMany(args[2], args[3]);
    TstHistoryStore test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_historystore.moc"
