#include "numbertext.h"

#include <QLocale>
#include <QTest>

namespace {

QString apply(const QString& function, const QString& input)
{
    if (function == u"leading")
        return QString::number(NumberText::leadingNumber(input));
    if (function == u"whole") {
        const auto n = NumberText::wholeNumber(input);
        return n ? QString::number(*n) : u"refused"_qs;
    }
    if (function == u"even")
        return QString::number(NumberText::roundEven(input.toDouble()));
    if (function == u"int16") {
        const auto n = NumberText::toInt16(input.toDouble());
        return n ? QString::number(*n) : u"refused"_qs;
    }
    if (function == u"shortest")
        return NumberText::shortest(input.toFloat());
    return NumberText::fixed1(input.toDouble()) + u' ' + NumberText::whole(input.toDouble());
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    // Every row runs under a comma-decimal locale, which must make no difference.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }

    void numberTexts_readAndWriteLikeTheController_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hex prefix") << u"leading"_qs << u"&H0A"_qs << u"10"_qs;
        QTest::newRow("leading blank") << u"leading"_qs << u" 7.5"_qs << u"7.5"_qs;
        QTest::newRow("trailing letters") << u"leading"_qs << u"12abc"_qs << u"12"_qs;
        QTest::newRow("no number") << u"leading"_qs << u"COM3"_qs << u"0"_qs;
        QTest::newRow("whole refuses leftovers") << u"whole"_qs << u"12abc"_qs << u"refused"_qs;
        QTest::newRow("whole allows blanks") << u"whole"_qs << u" 5 "_qs << u"5"_qs;
        QTest::newRow("tie up to even") << u"even"_qs << u"127.5"_qs << u"128"_qs;
        QTest::newRow("tie down to even") << u"even"_qs << u"42.5"_qs << u"42"_qs;
        QTest::newRow("16-bit overflow") << u"int16"_qs << u"32767.5"_qs << u"refused"_qs;
        QTest::newRow("no trailing zero") << u"shortest"_qs << u"6.0"_qs << u"6"_qs;
        QTest::newRow("one decimal") << u"shortest"_qs << u"2.5"_qs << u"2.5"_qs;
        QTest::newRow("halves away") << u"fixed"_qs << u"-0.5"_qs << u"-0.5 -1"_qs;
        QTest::newRow("decimal half") << u"fixed"_qs << u"0.15"_qs << u"0.2 0"_qs;
        QTest::newRow("no negative zero") << u"fixed"_qs << u"-0.01"_qs << u"0.0 0"_qs;
    }
    void numberTexts_readAndWriteLikeTheController()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(apply(function, input), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
