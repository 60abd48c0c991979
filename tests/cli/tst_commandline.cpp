#include "commandline.h"

#include <QTest>

// The command line as parsed, without running anything.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void output_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error"); // within the usage error; empty: none
        QTest::newRow("-o FILE") << u"read -o =b.set"_qs << u"=b.set"_qs << QString();
        QTest::newRow("-o=FILE") << u"read -o=b.set"_qs << u"b.set"_qs << QString();
        QTest::newRow("-oFILE") << u"log -ob.csv"_qs << u"b.csv"_qs << QString();
        QTest::newRow("-o=") << u"read -o="_qs << QString() << u"-o needs a file name"_qs;
        QTest::newRow("--output=") << u"read --output="_qs << QString() << u"--output needs"_qs;
    }
    void output()
    {
        QFETCH(QString, args);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const ParsedCommandLine parsed = parseCommandLine(args.split(u' '));
        QCOMPARE(parsed.invocation.output, output);
        QVERIFY2(error.isEmpty() ? parsed.error.isEmpty() : parsed.error.contains(error),
            qPrintable(parsed.error));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
