#include "inifile.h"

#include "fileio.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// A file as another tool leaves it: comments, foreign sections, CRLF, other case.
const QByteArray ForeignFile = "; written by hand\r\n[Other]\r\nCommPort=9\r\n\r\n[rs232c]\r\n"
                               "# old port: 2\r\nCOMMPORT = 3 \r\nExtra=x\r\n\r\n[Chart]\r\n";

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    // A fresh folder for every row.
    void init() { m_dir.emplace(); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("missing key") << ForeignFile << u"Baud"_qs << u"Error"_qs;
        QTest::newRow("value cut to 255")
            << "[RS232C]\nk=" + QByteArray(300, 'v') << u"k"_qs << QString(255, u'v');
        QTest::newRow("binary junk")
            << QByteArrayLiteral("\0\xff[a\0]\n\x01k=\0z\n[RS232C]\nk=5") << u"k"_qs << u"5"_qs;
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QVERIFY(writeAll(path(), content));
        QTEST(IniFile(path()).ReadIniKey(u"RS232C"_qs, key), "value");
    }

    void write_changesOnlyWhatItMust_data()
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
    void write_changesOnlyWhatItMust()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        IniFile ini(path());
        if (before != "<missing>")
            QVERIFY(writeAll(path(), before));
        else
            QCOMPARE(ini.ReadIniKey(section, u"CommPort"_qs), u"Error"_qs);
        QVERIFY(ini.WriteIniKey(section, u"CommPort"_qs, u"5"_qs));
        QTEST(readAll(path()), "after");
        QCOMPARE(ini.ReadIniKey(section, u"CommPort"_qs), u"5"_qs);
    }

    void write_toReadOnlyFile_failsAndKeepsIt()
    {
        QVERIFY(writeAll(path(), ForeignFile));
        QFile::setPermissions(path(), QFileDevice::ReadOwner);
        QVERIFY(!IniFile(path()).WriteIniKey(u"RS232C"_qs, u"CommPort"_qs, u"4"_qs));
        QCOMPARE(readAll(path()), ForeignFile);
    }

    void hugeFile_isNeitherReadNorRewritten()
    {
        QVERIFY(writeAll(path(), "[a]\nk=1\n" + QByteArray(5 * 1024 * 1024, ' ')));
        IniFile ini(path());
        QCOMPARE(ini.ReadIniKey(u"a"_qs, u"k"_qs), u"Error"_qs);
        QVERIFY(!ini.WriteIniKey(u"a"_qs, u"k"_qs, u"2"_qs));
        QCOMPARE(QFileInfo(path()).size(), 8 + 5 * 1024 * 1024);
    }

private:
    QString path() const { return m_dir->filePath(u"f.ini"_qs); }

    std::optional<QTemporaryDir> m_dir;
};

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
