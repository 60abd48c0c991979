#include "numbertext.h"

#include <QLocale>
#include <QTest>

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_readsTheNumericPrefix_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << u"42"_qs << 42.0;
        QTest::newRow("leading blank") << u" 7"_qs << 7.0;
        QTest::newRow("decimal") << u"3.5"_qs << 3.5;
        QTest::newRow("negative") << u"-5"_qs << -5.0;
        QTest::newRow("hex upper") << u"&H0A"_qs << 10.0;
        QTest::newRow("hex lower") << u"&hff"_qs << 255.0;
        QTest::newRow("hex stops at non-digit") << u"&H1Bx"_qs << 27.0;
        QTest::newRow("trailing letters") << u"12abc"_qs << 12.0;
        QTest::newRow("letters first") << u"COM3"_qs << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("lone point") << u"."_qs << 0.0;
        QTest::newRow("typing a decimal") << u"3."_qs << 3.0;
        QTest::newRow("second point ends it") << u"1.2.3"_qs << 1.2;
        QTest::newRow("comma is not a point") << u"2,5"_qs << 2.0;
        QTest::newRow("exponent") << u"1e3"_qs << 1000.0;
        QTest::newRow("bare e is not an exponent") << u"5e"_qs << 5.0;
        QTest::newRow("huge exponent reads as 0") << u"1e999"_qs << 0.0;
        QTest::newRow("huge hex reads as 0") << u"&H"_qs + QString(300, u'F') << 0.0;
    }
    void leadingNumber_readsTheNumericPrefix()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(NumberText::leadingNumber(text), expected);
    }

    void leadingNumber_ignoresTheLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(NumberText::leadingNumber(u"2.5"), 2.5);
        QCOMPARE(NumberText::shortest(2.5f), u"2.5"_qs);
        QLocale::setDefault(saved);
    }

    void wholeNumber_refusesLeftovers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("number") << u"12.5"_qs << true << 12.5;
        QTest::newRow("blanks around") << u" 5 "_qs << true << 5.0;
        QTest::newRow("leading zero") << u"05"_qs << true << 5.0;
        QTest::newRow("letters after") << u"12abc"_qs << false << 0.0;
        QTest::newRow("empty") << QString() << false << 0.0;
        QTest::newRow("only sign") << u"-"_qs << false << 0.0;
        QTest::newRow("hex") << u"&H10"_qs << true << 16.0;
        QTest::newRow("huge hex") << u"&H"_qs + QString(300, u'F') << false << 0.0;
    }
    void wholeNumber_refusesLeftovers()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto n = NumberText::wholeNumber(text);
        QCOMPARE(n.has_value(), valid);
        if (valid)
            QCOMPARE(*n, value);
    }

    void roundEven_sendsHalvesToTheEvenNeighbour_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("127.5") << 127.5 << 128.0;
        QTest::newRow("42.5") << 42.5 << 42.0;
        QTest::newRow("25.5") << 25.5 << 26.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("26.5625") << 26.5625 << 27.0;
        QTest::newRow("below half") << 4.49 << 4.0;
    }
    void roundEven_sendsHalvesToTheEvenNeighbour()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(NumberText::roundEven(value), expected);
    }

    void toInt16_refusesWhatDoesNotFit_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("expected");
        QTest::newRow("3.5") << 3.5 << true << 4;
        QTest::newRow("2.5") << 2.5 << true << 2;
        QTest::newRow("max") << 32767.0 << true << 32767;
        QTest::newRow("min") << -32768.0 << true << -32768;
        QTest::newRow("max rounds over") << 32767.5 << false << 0;
        QTest::newRow("far over") << 99999.0 << false << 0;
        QTest::newRow("under") << -32769.0 << false << 0;
    }
    void toInt16_refusesWhatDoesNotFit()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, expected);
        const auto n = NumberText::toInt16(value);
        QCOMPARE(n.has_value(), fits);
        if (fits)
            QCOMPARE(int(*n), expected);
    }

    void shortest_writesAtMostSevenDigits_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("6.0") << 6.0f << u"6"_qs;
        QTest::newRow("2.5") << 2.5f << u"2.5"_qs;
        QTest::newRow("480") << 480.0f << u"480"_qs;
        QTest::newRow("0") << 0.0f << u"0"_qs;
        QTest::newRow("negative zero") << -0.0f << u"0"_qs;
        QTest::newRow("19.7") << 19.7f << u"19.7"_qs;
        QTest::newRow("3.6 via spin") << float(36 / 10.0) << u"3.6"_qs;
        QTest::newRow("10000") << 10000.0f << u"10000"_qs;
        QTest::newRow("seven digits") << 1234567.0f << u"1234567"_qs;
        QTest::newRow("fraction cut at 7") << 1.2345678f << u"1.234568"_qs;
        QTest::newRow("minus one") << -1.0f << u"-1"_qs;
    }
    void shortest_writesAtMostSevenDigits()
    {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(NumberText::shortest(value), expected);
    }

    void fixedFormats_roundHalvesAwayFromZero_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("none");
        QTest::newRow("0.15") << 0.15 << u"0.2"_qs << u"0"_qs;
        QTest::newRow("2.5") << 2.5 << u"2.5"_qs << u"3"_qs;
        QTest::newRow("50.19") << 50.19607843 << u"50.2"_qs << u"50"_qs;
        QTest::newRow("49.8") << 49.80392157 << u"49.8"_qs << u"50"_qs;
        QTest::newRow("-0.5") << -0.5 << u"-0.5"_qs << u"-1"_qs;
        QTest::newRow("0") << 0.0 << u"0.0"_qs << u"0"_qs;
        QTest::newRow("tiny negative") << -0.01 << u"0.0"_qs << u"0"_qs;
    }
    void fixedFormats_roundHalvesAwayFromZero()
    {
        QFETCH(double, value);
        QFETCH(QString, one);
        QFETCH(QString, none);
        QCOMPARE(NumberText::fixed1(value), one);
        QCOMPARE(NumberText::whole(value), none);
    }

    void hex_isUpperCaseWithoutPadding()
    {
        QCOMPARE(NumberText::hex(0), u"0"_qs);
        QCOMPARE(NumberText::hex(0x1b), u"1B"_qs);
        QCOMPARE(NumberText::hex(1000), u"3E8"_qs);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
