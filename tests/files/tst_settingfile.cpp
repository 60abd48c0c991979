#include "settingfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using SettingFile::LoadStatus;

namespace {

const QString Image = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestSettingFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void saveThenLoad_givesTheSameImage()
    {
        QVERIFY(SettingFile::save(path(), Image));
        QCOMPARE(readAll(path()), Image.toLatin1());
        const SettingFile::Loaded loaded = SettingFile::load(path());
        QCOMPARE(loaded.status, LoadStatus::Image);
        QCOMPARE(loaded.text, Image);
    }

    void load_acceptsOnlyExactly64Characters_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<LoadStatus>("status");
        QTest::newRow("image") << Image.toLatin1() << LoadStatus::Image;
        QTest::newRow("with CR LF") << Image.toLatin1() + "\r\n" << LoadStatus::WrongLength;
        QTest::newRow("with LF") << Image.toLatin1() + "\n" << LoadStatus::WrongLength;
        QTest::newRow("one short") << Image.toLatin1().left(63) << LoadStatus::WrongLength;
        QTest::newRow("empty") << QByteArray() << LoadStatus::Empty;
    }
    void load_acceptsOnlyExactly64Characters()
    {
        QFETCH(QByteArray, content);
        QFETCH(LoadStatus, status);
        writeAll(path(), content);
        QCOMPARE(SettingFile::load(path()).status, status);
    }

    void load_ofAHugeFile_readsOnlyItsStart()
    {
        {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Image.toLatin1());
            QVERIFY(file.resize(qint64(1) << 32)); // sparse: 4 GiB would not fit in memory
        }
        const SettingFile::Loaded loaded = SettingFile::load(path());
        QCOMPARE(loaded.status, LoadStatus::WrongLength);
        QVERIFY(loaded.text.size() <= 65);
    }

    void load_ofMissingFileOrFolder_isUnreadable()
    {
        QCOMPARE(SettingFile::load(path()).status, LoadStatus::Unreadable);
        QCOMPARE(SettingFile::load(m_dir.path()).status, LoadStatus::Unreadable);
    }

    void save_refusesAnythingButAnImage_andKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("image");
        QTest::newRow("short") << Image.left(63);
        QTest::newRow("line end added") << Image + u"\r\n"_qs;
        QTest::newRow("empty") << QString();
    }
    void save_refusesAnythingButAnImage_andKeepsTheOldFile()
    {
        QFETCH(QString, image);
        writeAll(path(), "old");
        QVERIFY(!SettingFile::save(path(), image));
        QCOMPARE(readAll(path()), QByteArray("old"));
    }

    void save_overReadOnlyFile_failsAndKeepsIt()
    {
        writeAll(path(), "old");
        QFile::setPermissions(path(), QFileDevice::ReadOwner);
        QVERIFY(!SettingFile::save(path(), Image));
        QCOMPARE(readAll(path()), QByteArray("old"));
    }

private:
    QString path() const
    {
        return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-'
            + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + u".set"_qs);
    }

    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(TestSettingFile)
#include "tst_settingfile.moc"
