#include "fontfit.h"

#include <QTest>

class TestFontFit : public QObject {
    Q_OBJECT

private slots:
    void fittingFont_takesTheLargestHalfPointThatFits_data()
    {
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("limit");
        QTest::addColumn<double>("expected");
        QTest::newRow("base fits") << 9.0 << 9.0 << 9.0;
        QTest::newRow("one step down") << 9.0 << 8.9 << 8.5;
        QTest::newRow("several steps down") << 10.0 << 7.6 << 7.5;
        QTest::newRow("odd base, whole half points below") << 9.75 << 9.6 << 9.5;
        QTest::newRow("just above the smallest") << 9.0 << 6.5 << 6.5;
        QTest::newRow("nothing fits: the smallest") << 9.0 << 5.0 << 6.0;
    }
    void fittingFont_takesTheLargestHalfPointThatFits()
    {
        QFETCH(double, base);
        QFETCH(double, limit);
        QFETCH(double, expected);
        QFont font;
        font.setPointSizeF(base);
        int probes = 0;
        const QFont chosen = fittingFont(font, [&](const QFont& f) {
            ++probes;
            return f.pointSizeF() <= limit;
        });
        QCOMPARE(chosen.pointSizeF(), expected);
        // Each probe loads a font: bisection keeps them few.
        QVERIFY2(probes <= 4, qPrintable(QString::number(probes)));
    }
};

QTEST_MAIN(TestFontFit)
#include "tst_fontfit.moc"
