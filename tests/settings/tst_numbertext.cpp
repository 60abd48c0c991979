#include "numbertext.h"

#include <QLocale>
#include <QTest>

namespace {

QString apply(const QString& function, const QString& input)
{
    std::optional<double> n;
    if (function == u"leading")
        n = NumberText::leadingNumber(input);
    else if (function == u"whole")
        n = NumberText::wholeNumber(input);
    else if (function == u"int16")
        n = NumberText::toInt16(input.toDouble());
    else if (function == u"shortest")
        return NumberText::shortest(input.toFloat());
    else
        return NumberText::fixed1(input.toDouble()) + u' ' + NumberText::whole(input.toDouble());
    return n ? QString::number(*n) : u"refused"_qs;
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
        QTest::newRow("huge hex") << u"leading"_qs << u"&H"_qs + QString(300, u'F') << u"0"_qs;
        QTest::newRow("trailing letters") << u"leading"_qs << u"12abc"_qs << u"12"_qs;
        QTest::newRow("no number") << u"leading"_qs << u"COM3"_qs << u"0"_qs;
        QTest::newRow("whole refuses leftovers") << u"whole"_qs << u"12abc"_qs << u"refused"_qs;
        QTest::newRow("files stay ASCII") << u"whole"_qs << u"１２０"_qs << u"refused"_qs;
        QTest::newRow("tie up to even") << u"int16"_qs << u"127.5"_qs << u"128"_qs;
        QTest::newRow("tie down to even") << u"int16"_qs << u"42.5"_qs << u"42"_qs;
        QTest::newRow("16-bit overflow") << u"int16"_qs << u"32767.5"_qs << u"refused"_qs;
        QTest::newRow("no trailing zero") << u"shortest"_qs << u"6.0"_qs << u"6"_qs;
        QTest::newRow("single precision") << u"shortest"_qs << u"19.7"_qs << u"19.7"_qs;
        QTest::newRow("halves away") << u"fixed"_qs << u"-0.5"_qs << u"-0.5 -1"_qs;
        QTest::newRow("decimal half") << u"fixed"_qs << u"0.15"_qs << u"0.2 0"_qs;
        QTest::newRow("no negative zero") << u"fixed"_qs << u"-0.01"_qs << u"0.0 0"_qs;
    }
    void numberTexts_readAndWriteLikeTheController()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QTEST(apply(function, input), "expected");
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
