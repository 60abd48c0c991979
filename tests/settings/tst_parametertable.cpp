#include "parametertable.h"

#include <QTest>

class TestParameterTable : public QObject {
    Q_OBJECT

private slots:
    void tooltip_showsBoundsInShortestForm_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("frequency") << 0 << u"100\uFF5E10000"_qs;
        QTest::newRow("volts, no trailing zero") << 6 << u"2.5\uFF5E6"_qs;
        QTest::newRow("timer") << 11 << u"0\uFF5E240"_qs;
        QTest::newRow("neutral") << 2 << u"1020\uFF5E2020"_qs;
    }
    void tooltip_showsBoundsInShortestForm()
    {
        QFETCH(int, index);
        QFETCH(QString, tooltip);
        QCOMPARE(parameterTooltip(index), tooltip);
    }

    void spinButtons_countInTheBoxUnitsExceptVolts()
    {
        for (int i = 0; i < ParameterCount; ++i) {
            const ParameterInfo& p = parameterTable()[i];
            const int scale = i == 6 ? 10 : 1;
            QCOMPARE(p.spinMin, int(p.min * scale));
            QCOMPARE(p.spinMax, int(p.max * scale));
            QCOMPARE(p.increment, i == 7 || i == 12 ? 10 : 1);
        }
        QCOMPARE(parameterTable()[6].spinMin, 25);
        QCOMPARE(parameterTable()[6].spinMax, 60);
    }

    void forwardBoost_isTheOnlyRowWithoutUnit()
    {
        for (int i = 0; i < ParameterCount; ++i)
            QCOMPARE(QStringView(parameterTable()[i].unit).isEmpty(), i == 13);
    }
};

QTEST_APPLESS_MAIN(TestParameterTable)
#include "tst_parametertable.moc"
