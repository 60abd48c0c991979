#include "inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

// A file as another tool leaves it: comments, foreign sections, CRLF.
const QByteArray ForeignFile = "; written by hand\r\n"
                               "[Other]\r\n"
                               "CommPort=9\r\n"
                               "\r\n"
                               "[rs232c]\r\n"
                               "# old port: 2\r\n"
                               "COMMPORT = 3 \r\n"
                               "Extra=x\r\n"
                               "\r\n"
                               "[Chart]\r\n"
                               "ScaleLine0=1\r\n";

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("[RS232C]\nCommPort=3\n") << u"RS232C"_qs
                               << u"CommPort"_qs << u"3"_qs;
        QTest::newRow("names in other case")
            << ForeignFile << u"RS232C"_qs << u"CommPort"_qs << u"3"_qs;
        QTest::newRow("missing section")
            << ForeignFile << u"Serial"_qs << u"CommPort"_qs << u"Error"_qs;
        QTest::newRow("missing key")
            << ForeignFile << u"Chart"_qs << u"ScaleLine1"_qs << u"Error"_qs;
        QTest::newRow("key of another section")
            << ForeignFile << u"Chart"_qs << u"Extra"_qs << u"Error"_qs;
        QTest::newRow("stored Error")
            << QByteArray("[a]\nk=Error\n") << u"a"_qs << u"k"_qs << u"Error"_qs;
        QTest::newRow("empty value") << QByteArray("[a]\nk=\n") << u"a"_qs << u"k"_qs << QString();
        QTest::newRow("quotes removed")
            << QByteArray("[a]\nk= \" 7 \"\n") << u"a"_qs << u"k"_qs << u" 7 "_qs;
        QTest::newRow("equals in value")
            << QByteArray("[a]\nk=b=c\n") << u"a"_qs << u"k"_qs << u"b=c"_qs;
        QTest::newRow("commented key")
            << QByteArray("[a]\n;k=1\n#k=2\n") << u"a"_qs << u"k"_qs << u"Error"_qs;
        QTest::newRow("first section wins")
            << QByteArray("[a]\nx=1\n[A]\nk=2\n") << u"a"_qs << u"k"_qs << u"Error"_qs;
        QTest::newRow("first key wins")
            << QByteArray("[a]\nk=1\nK=2\n") << u"a"_qs << u"k"_qs << u"1"_qs;
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBF[a]\nk=1") << u"a"_qs << u"k"_qs << u"1"_qs;
        QTest::newRow("value cut to 255") << "[a]\nk=" + QByteArray(300, 'v') + "\n"
                                          << u"a"_qs << u"k"_qs << QString(255, u'v');
        QTest::newRow("binary junk") << QByteArrayLiteral("\0\xff[a\0]\n\x01k=\0z\n[a]\nk=5")
                                     << u"a"_qs << u"k"_qs << u"5"_qs;
        QTest::newRow("empty file") << QByteArray() << u"a"_qs << u"k"_qs << u"Error"_qs;
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        writeAll(path(), content);
        QCOMPARE(IniFile(path()).ReadIniKey(section, key), value);
    }

    void read_missingFile_givesError()
    {
        QCOMPARE(IniFile(path()).ReadIniKey(u"RS232C"_qs, u"CommPort"_qs), u"Error"_qs);
    }

    void write_changesOnlyWhatItMust_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replace keeps every other byte")
            << ForeignFile << u"RS232C"_qs << u"CommPort"_qs
            << QByteArray(ForeignFile).replace("COMMPORT = 3 \r\n", "COMMPORT =5\r\n");
        QTest::newRow("new key after the section's last line, CRLF")
            << ForeignFile << u"rs232c"_qs << u"Baud"_qs
            << QByteArray(ForeignFile).replace("Extra=x\r\n", "Extra=x\r\nBaud=5\r\n");
        QTest::newRow("new key in last section without line end")
            << QByteArray("[Chart]\nScaleLine0=1") << u"Chart"_qs << u"ScaleLine1"_qs
            << QByteArray("[Chart]\nScaleLine0=1\nScaleLine1=5\n");
        QTest::newRow("new key in empty section")
            << QByteArray("[a]\n\n[b]\n") << u"A"_qs << u"k"_qs << QByteArray("[a]\nk=5\n\n[b]\n");
        QTest::newRow("new section at the end, CRLF")
            << QByteArray("[a]\r\nk=1") << u"Chart"_qs << u"ScaleLine0"_qs
            << QByteArray("[a]\r\nk=1\r\n[Chart]\r\nScaleLine0=5\r\n");
        QTest::newRow("new section in empty file") << QByteArray() << u"RS232C"_qs << u"CommPort"_qs
                                                   << QByteArray("[RS232C]\nCommPort=5\n");
        QTest::newRow("byte order mark kept") << QByteArray("\xEF\xBB\xBF[a]\nk=1\n") << u"a"_qs
                                              << u"k"_qs << QByteArray("\xEF\xBB\xBF[a]\nk=5\n");
        QTest::newRow("binary junk kept")
            << QByteArrayLiteral("\0\xff\r\n[a]\nk=1\n\x80\0") << u"a"_qs << u"k"_qs
            << QByteArrayLiteral("\0\xff\r\n[a]\nk=5\n\x80\0");
    }
    void write_changesOnlyWhatItMust()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        writeAll(path(), before);
        IniFile ini(path());
        QVERIFY(ini.WriteIniKey(section, key, u"5"_qs));
        QCOMPARE(readAll(path()), after);
        QCOMPARE(ini.ReadIniKey(section, key), u"5"_qs);
    }

    void write_createsTheFileInSectionOrder()
    {
        IniFile ini(path());
        QVERIFY(ini.WriteIniKey(u"RS232C"_qs, u"CommPort"_qs, u"3"_qs));
        QVERIFY(ini.WriteIniKey(u"Chart"_qs, u"ScaleLine0"_qs, u"1"_qs));
        QVERIFY(ini.WriteIniKey(u"Chart"_qs, u"ScaleLine1"_qs, u"0"_qs));
        QVERIFY(ini.WriteIniKey(u"Chart"_qs, u"ScaleLine0"_qs, u"0"_qs));
        QCOMPARE(readAll(path()),
            QByteArray("[RS232C]\nCommPort=3\n[Chart]\nScaleLine0=0\nScaleLine1=0\n"));
    }

    void write_refusesTextThatWouldBreakTheFile_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("line break in value") << u"a"_qs << u"k"_qs << u"1\n[b]"_qs;
        QTest::newRow("bracket in section") << u"a]"_qs << u"k"_qs << u"1"_qs;
        QTest::newRow("equals in key") << u"a"_qs << u"k=1"_qs << u"1"_qs;
        QTest::newRow("empty key") << u"a"_qs << QString() << u"1"_qs;
        QTest::newRow("comment key") << u"a"_qs << u";k"_qs << u"1"_qs;
    }
    void write_refusesTextThatWouldBreakTheFile()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        writeAll(path(), ForeignFile);
        QVERIFY(!IniFile(path()).WriteIniKey(section, key, value));
        QCOMPARE(readAll(path()), ForeignFile);
    }

    void write_toReadOnlyFile_failsAndKeepsIt()
    {
        writeAll(path(), ForeignFile);
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadUser);
        QVERIFY(!IniFile(path()).WriteIniKey(u"RS232C"_qs, u"CommPort"_qs, u"4"_qs));
        QCOMPARE(readAll(path()), ForeignFile);
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void write_intoMissingFolder_fails()
    {
        IniFile ini(m_dir.filePath(u"no/such/dir/x.ini"_qs));
        QVERIFY(!ini.WriteIniKey(u"a"_qs, u"k"_qs, u"1"_qs));
    }

    void oversizedFile_isNeitherReadNorRewritten()
    {
        {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[a]\nk=1\n");
            QVERIFY(file.resize(5 * 1024 * 1024));
        }
        IniFile ini(path());
        QCOMPARE(ini.ReadIniKey(u"a"_qs, u"k"_qs), u"Error"_qs);
        QVERIFY(!ini.WriteIniKey(u"a"_qs, u"k"_qs, u"2"_qs));
        QCOMPARE(QFileInfo(path()).size(), 5 * 1024 * 1024);
    }

private:
    // One file per test row, so rows never see each other's files.
    QString path() const
    {
        return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-'
            + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + u".ini"_qs);
    }

    QTemporaryDir m_dir;
};

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
