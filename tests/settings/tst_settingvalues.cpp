#include "../testimage.h"
#include "changeengine.h"
#include "settingvalues.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Types text one character at a time, as the keyboard does.
void type(SettingValues& values, Parameter p, const QString& keys)
{
    values.setText(p, QString());
    for (qsizetype n = 1; n <= keys.size(); ++n)
        values.setText(p, values.text(p) + keys[n - 1]);
}

}

class TstSettingValues : public QObject {
    Q_OBJECT
private slots:
    void typingAndStepping_followSnappingColourAndSpinRules_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("inRange");
        QTest::addColumn<int>("spin");
        QTest::addColumn<QString>("stepped"); // text after one step up; empty: no step
        QTest::addColumn<QString>("refused"); // why it may not be written, in the window's words
        const QString none;
        QTest::newRow("7, 5 snaps up") << 7 << u"75"_s << u"80"_s << true << 80 << none << none;
        QTest::newRow("1, 2, 5 snaps up")
            << 7 << u"125"_s << u"130"_s << true << 130 << none << none;
        QTest::newRow("4, 5 red") << 7 << u"45"_s << u"45"_s << false << 100 << none
                                  << u"Current Limiter: 45 is outside 50 ~ 300"_s;
        QTest::newRow("4, 5, 0 red") << 12 << u"450"_s << u"450"_s << false << 100 << none
                                     << u"Current Limiter(Time Limit): 450 is outside 50 ~ 300"_s;
        QTest::newRow("150.7") << 0 << u"150.7"_s << u"151"_s << true << 151 << none << none;
        QTest::newRow("150.2") << 0 << u"150.2"_s << u"150.2"_s << true << 150 << none << none;
        QTest::newRow("3.5 up") << 6 << u"3.5"_s << u"3.5"_s << true << 35 << u"3.6"_s << none;
        QTest::newRow("3.") << 6 << u"3."_s << u"3."_s << true << 30 << none << none;
        QTest::newRow("5000x") << 1 << u"5000x"_s << u"5000x"_s << true << 5000 << none
                               << u"PWM frequency(at Max. load): 5000x is not a number"_s;
        QTest::newRow("empty up")
            << 0 << none << none << true << 150 << u"100"_s
            << u"PWM frequency(at Min. load): nothing is outside 100 ~ 10000"_s;
        // Typed the Japanese way: full-width forms read as ASCII, a comma never.
        const QString comma
            = u"Low Batt. Protection: 3,5 has a comma; type the decimal point as \".\""_s;
        QTest::newRow("１２０") << 0 << u"１２０"_s << u"120"_s << true << 120 << none << none;
        QTest::newRow("３．５") << 6 << u"３．５"_s << u"3.5"_s << true << 35 << none << none;
        QTest::newRow("３。５") << 6 << u"３。５"_s << u"3.5"_s << true << 35 << none << none;
        QTest::newRow(" １２０　")
            << 0 << u" １２０　"_s << u"120 "_s << true << 120 << none << none;
        QTest::newRow("－５") << 7 << u"－５"_s << u"-5"_s << false << 100 << none
                              << u"Current Limiter: -5 is outside 50 ~ 300"_s;
        QTest::newRow("3,5") << 6 << u"3,5"_s << u"3,5"_s << false << 30 << none << comma;
        QTest::newRow("３，５") << 6 << u"３，５"_s << u"3,5"_s << false << 30 << none << comma;
        QTest::newRow("20000 up") << 0 << u"20000"_s << u"20000"_s << false << 2000 << u"10000"_s
                                  << u"PWM frequency(at Min. load): 20000 is outside 100 ~ 10000"_s;
    }
    void typingAndStepping_followSnappingColourAndSpinRules()
    {
        QFETCH(int, i);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, inRange);
        QFETCH(int, spin);
        QFETCH(QString, stepped);
        SettingValues values;
        const Parameter p = parameterAt(i);
        type(values, p, i == 0 ? u"150"_s : i == 6 ? u"3"_s : u"100"_s); // a known spin first
        type(values, p, keys);
        QCOMPARE(values.text(p), text);
        QCOMPARE(values.entry(p).inRange, inRange);
        QCOMPARE(values.entry(p).spin, spin);
        const auto problem = values.problem(p);
        QTEST(problem ? problem->text(TextStyle::Window) : QString(), "refused");
        // tz586kv set reads the whole text at once and refuses it in the same words.
        const auto given = ValueProblem::of(p, keys);
        QTEST(given ? given->text(TextStyle::Window) : QString(), "refused");
        if (stepped.isEmpty())
            return;
        values.setSpin(p, values.entry(p).spin + info(p).increment);
        QCOMPARE(values.text(p), stepped);
        QVERIFY(values.entry(p).inRange);
    }

    // Each of the two clears the other (the change engine and box tests check that);
    // a hidden mode leaves them alone.
    void reverseCancelAndRobotMode_excludeEachOther()
    {
        SettingValues values;
        values.setMode(Mode::RobotMode, true);
        values.setMode(Mode::TLimitCut, true);
        QVERIFY(values.mode(Mode::RobotMode));
        // Bit 4 comes after bit 2: an image with both keeps only "Robot Mode".
        values.show(withBytes(Example, 31, u"14"_s));
        QVERIFY(values.mode(Mode::RobotMode) && !values.mode(Mode::ReverseCancel));
    }

    void limiterOff_keepsTheLastLimitAndOffersThreeHundredForOff()
    {
        SettingValues values;
        type(values, Parameter::CurrentLimit, u"120"_s);
        values.setText(Parameter::CurrentLimit, QString());
        values.setLimiterOff(true);
        QCOMPARE(values.savedLimit(), 120.0f);
        values.setLimiterOff(false);
        QCOMPARE(values.text(Parameter::CurrentLimit), u"120"_s);

        values.show(withBytes(Example, 19, u"FF"_s));
        QVERIFY(values.limiterOff());
        QVERIFY(values.text(Parameter::CurrentLimit).isEmpty());
        values.show(Example);
        QVERIFY(!values.limiterOff());
        QCOMPARE(values.text(Parameter::CurrentLimit), u"150"_s);
        values.show(withBytes(Example, 19, u"FF"_s));
        values.setLimiterOff(false);
        QCOMPARE(values.text(Parameter::CurrentLimit), u"300"_s);
        QCOMPARE(values.entry(Parameter::CurrentLimit).spin, 300);
    }

    // A value the controller holds but the window may not write stays whole
    // and red, and no write goes out until it is corrected.
    void decodedValueOutOfRange_isKeptWholeAndBlocksTheWrite_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("neutral 20200") << 4 << u"E8"_s << 2 << u"20200"_s << u"1520"_s;
        QTest::newRow("timer 255") << 23 << u"FF"_s << 11 << u"255"_s << u"60"_s;
    }
    void decodedValueOutOfRange_isKeptWholeAndBlocksTheWrite()
    {
        QFETCH(int, byte);
        QFETCH(QString, hex);
        QFETCH(int, i);
        QFETCH(QString, text);
        QFETCH(QString, fixed);
        QString image = withBytes(Example, byte, hex);
        if (i == 2)
            image = withBytes(image, 5, u"4E"_s); // 0x4EE8 = 20200
        SettingValues values;
        values.setControllerImage(image);
        QCOMPARE(values.show(image), SettingImage::DecodeStatus::Ok);
        const Parameter p = parameterAt(i);
        QCOMPARE(values.text(p), text);
        QVERIFY(!values.entry(p).inRange);
        const ChangeEngine::Plan refused = ChangeEngine::plan(values);
        QCOMPARE(refused.status, ChangeEngine::Status::InvalidValue);
        QCOMPARE(refused.problem->parameter, p);
        type(values, p, fixed);
        const ChangeEngine::Plan encoded = ChangeEngine::plan(values);
        QCOMPARE(encoded.status, ChangeEngine::Status::Ok);
        // Hidden values go out as the controller last reported them.
        QCOMPARE(encoded.image, i == 2 ? image : Example);
    }

    void clear_emptiesEverythingInOneChange()
    {
        SettingValues values;
        values.show(withBytes(Example, 19, u"FF"_s));
        QSignalSpy changed(&values, &SettingValues::changed);
        values.clear();
        QCOMPARE(changed.count(), 1);
        QVERIFY(!values.limiterOff() && values.isEmpty() && values.modelName().isEmpty());
        for (int i = 0; i < ParameterCount; ++i)
            QVERIFY(values.text(parameterAt(i)).isEmpty());
        QVERIFY(!values.mode(Mode::ReverseCancel));
    }
};

QTEST_APPLESS_MAIN(TstSettingValues)
#include "tst_settingvalues.moc"
