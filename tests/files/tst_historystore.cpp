#include "historystore.h"

#include "fileio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Kind = HistoryStore::Kind;

namespace {
const QString A = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_s;
const QString B = u"D0078813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_s;
const QDateTime Start(QDate(2026, 12, 7), QTime(14, 3, 22));
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

    void entries_areNamedByTimeAndKind_newestFirst()
    {
        record(Kind::BeforeWrite, A);
        record(Kind::Written, B); // same second
        m_now = m_now.addSecs(1);
        record(Kind::DefaultWrite, A);
        QCOMPARE(names(),
            QStringList({ u"2026-12-07_14-03-23_default-write.set"_s,
                u"2026-12-07_14-03-22-2_written.set"_s,
                u"2026-12-07_14-03-22_before-write.set"_s }));
        QCOMPARE(readAll(m_store->entries().at(1).path), B.toLatin1());
    }

    void imageLikeTheNewest_isOnlyNotedInTheIndex()
    {
        record(Kind::Read, A);
        m_now = m_now.addSecs(90);
        record(Kind::Verified, A);
        QCOMPARE(names(), QStringList { u"2026-12-07_14-03-22_read.set"_s });
        QCOMPARE(m_store->entries().first().lastSeen, m_now);
        QVERIFY(readAll(root() + u"/index.tsv"_s)
                    .endsWith("2026-12-07 14:04:52\tverified\t2026-12-07_14-03-22_read.set\n"));
        record(Kind::Read, B);
        record(Kind::Read, A); // only the newest counts
        QCOMPARE(names().size(), 3);
    }

    void pruning_keepsTheNewestAndTheLastThirtyDays_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("secondsApart");
        QTest::addColumn<int>("kept");
        QTest::newRow("2000 over years") << 2000 << 86400 << 1000;
        QTest::newRow("1010 in a day") << 1010 << 60 << 1010;
    }
    void pruning_keepsTheNewestAndTheLastThirtyDays()
    {
        QFETCH(int, records);
        QFETCH(int, secondsApart);
        QFETCH(int, kept);
        for (int i = 0; i < records; ++i) {
            m_now = Start.addSecs(qint64(i) * secondsApart);
            record(Kind::Read, i % 2 ? B : A);
        }
        const QList<HistoryStore::Entry> entries = m_store->entries();
        QCOMPARE(entries.first().time, m_now);
        QCOMPARE(entries.last().time, Start.addSecs(qint64(records - kept) * secondsApart));
        QCOMPARE(QDir(root()).entryList({ u"*.set"_s }).size(), kept);
    }

    void damagedEntries_areSkipped()
    {
        record(Kind::Read, A);
        writeAll(root() + u"/2026-12-07_14-03-23_read.set"_s, A.toLatin1() + "\n");
        writeAll(root() + u"/2026-12-07_14-03-24_read.set"_s, "XY" + A.toLatin1().mid(2));
        writeAll(root() + u"/2026-12-07_14-03-25_written.set"_s, QByteArray());
        writeAll(root() + u"/notes.set"_s, A.toLatin1());
        QCOMPARE(names(), QStringList { u"2026-12-07_14-03-22_read.set"_s });
    }

    void readOnlyFolder_failsQuietly_andNoticesOnce()
    {
        QVERIFY(QDir().mkpath(root()));
        QVERIFY(QFile::setPermissions(root(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!m_store->record(Kind::Read, A));
        QVERIFY(!m_store->record(Kind::Written, B));
        QVERIFY(m_store->failed() && m_store->takeFailureNotice());
        QVERIFY(!m_store->takeFailureNotice() && QDir(root()).isEmpty());
    }

private:
    QString root() const { return m_dir->filePath(u"history"_s); }
    void record(Kind kind, const QString& image) { QVERIFY(m_store->record(kind, image)); }
    QStringList names()
    {
        QStringList list;
        for (const HistoryStore::Entry& e : m_store->entries())
            list.append(QFileInfo(e.path).fileName());
        return list;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QDateTime m_now;
    std::unique_ptr<HistoryStore> m_store;
};

QTEST_GUILESS_MAIN(TstHistoryStore)
#include "tst_historystore.moc"
