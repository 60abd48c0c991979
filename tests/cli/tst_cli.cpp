#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program run as a process, on setting files in a temporary folder.
class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    int run(const QString& args, QByteArray& out, QByteArray& err)
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(TZ586KV_PATH), args.split(u' ', Qt::SkipEmptyParts));
        process.waitForFinished(-1);
        out = process.readAllStandardOutput();
        err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

private slots:
    void initTestCase()
    {
        const QByteArray image = "E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504";
        const QList<std::pair<QString, QByteArray>> files {
            { u"a.set"_qs, image },
            { u"b.set"_qs, QByteArray(image).replace(32, 2, "0C").replace(38, 2, "FF") },
            { u"range.set"_qs, QByteArray(image).replace(32, 2, "3C") },
            { u"short.set"_qs, image.left(63) },
        };
        for (const auto& [name, bytes] : files) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
    }

    void run_exitCodeAndOutput_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text"); // on standard output when code is 0, else on error
        QTest::newRow("no command") << QString() << 1 << u"no command given"_qs;
        QTest::newRow("other command's option") << u"read --all"_qs << 1 << u"--all does not go"_qs;
        QTest::newRow("port 17") << u"ports --port 17"_qs << 1 << u"port number 1-16"_qs;
        QTest::newRow("no file") << u"write"_qs << 1 << u"write needs FILE.set"_qs;
        QTest::newRow("set range")
            << u"set deadband=60"_qs << 1 << u"Dead Band: 60 is outside 2..50"_qs;
        QTest::newRow("help") << u"--help"_qs << 0 << u"  5    a file cannot be read"_qs;
        QTest::newRow("diff help") << u"diff --help"_qs << 0 << u"  130  interrupted"_qs;
        QTest::newRow("same") << u"diff a.set a.set"_qs << 0 << u"The settings are the same.\n"_qs;
        QTest::newRow("diff") << u"diff a.set b.set"_qs << 0
                              << u"Dead Band: 10 uS -> 12 uS\nCurrent Limiter: 150 A -> off\n"_qs;
        QTest::newRow("short") << u"diff a.set short.set"_qs << 5 << u"short.set: not a setting"_qs;
        // The port does not exist: 2 would mean that it was tried before the file.
        QTest::newRow("write short")
            << u"write short.set --port /dev/tz-none"_qs << 5 << u"not a setting file"_qs;
        QTest::newRow("write range") << u"write range.set --port /dev/tz-none"_qs << 5
                                     << u"Dead Band: 60 is outside 2..50"_qs;
    }
    void run_exitCodeAndOutput()
    {
        QFETCH(QString, args);
        QFETCH(int, code);
        QFETCH(QString, text);
        QByteArray out;
        QByteArray err;
        QCOMPARE(run(args, out, err), code);
        const QString shown = QString::fromUtf8(code == 0 ? out : err);
        QVERIFY2(shown.contains(text), qPrintable(shown));
        QCOMPARE(out.isEmpty(), code != 0);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
