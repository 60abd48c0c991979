#include "../testimage.h"
#include "changeengine.h"
#include "settingvalues.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using ChangeEngine::Change;

namespace {

// Every field holds a byte that is not how its shown value would be written.
const QString Odd = withBytes(
    withBytes(
        withBytes(withBytes(withBytes(withBytes(Example, 15, u"67"_s), 17, u"2B"_s), 19, u"2B"_s),
            22, u"4D"_s),
        24, u"6B"_s),
    10, u"0102030405"_s);

QStringList changedBytes(const QString& a, const QString& b)
{
    QStringList bytes;
    for (int k = 0; k < 32; ++k) {
        if (a.mid(2 * k, 2) != b.mid(2 * k, 2))
            bytes << QString::number(k);
    }
    return bytes;
}

QStringList describe(const QList<Change>& changes)
{
    QStringList lines;
    for (const Change& c : changes)
        lines << ChangeEngine::describe(c);
    return lines;
}

} // namespace

class TstChangeEngine : public QObject {
    Q_OBJECT
private slots:
    void nothingEdited_writesTheImageShownByteForByte_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("fromController");
        QTest::newRow("example, read") << Example << true;
        QTest::newRow("odd bytes in every field, read") << Odd << true;
        QTest::newRow("odd bytes in every field, file") << Odd << false;
        QTest::newRow("limiter FE reads as off") << withBytes(Example, 19, u"FE"_s) << true;
        QTest::newRow("fixed bytes otherwise")
            << withBytes(withBytes(Example, 18, u"54"_s), 26, u"86C9"_s) << true;
        QTest::newRow("both modes and bits 5-7") << withBytes(Example, 31, u"F4"_s) << true;
    }
    void nothingEdited_writesTheImageShownByteForByte()
    {
        QFETCH(QString, image);
        QFETCH(bool, fromController);
        SettingValues values;
        if (fromController)
            values.setControllerImage(image);
        QCOMPARE(values.show(image), SettingImage::DecodeStatus::Ok);
        const ChangeEngine::Plan plan = ChangeEngine::plan(values);
        QCOMPARE(plan.status, ChangeEngine::Status::Ok);
        QCOMPARE(plan.image, image);
        QCOMPARE(describe(plan.changes), QStringList());
    }

    // Values the rules rewrote on the way in still say what was given.
    void oneEdit_changesThatFieldAlone_data()
    {
        // "parameter=text", with ~ typed key by key; "limiter off"; "robot mode".
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("bytes"); // the bytes that change
        QTest::addColumn<QString>("image"); // the write image, where it matters
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("dead band") << u"5=12"_s << u"16"_s << withBytes(Odd, 16, u"0C"_s)
                                   << QStringList { u"Dead Band: 10 uS -> 12 uS"_s };
        // The last digit moves no spin step.
        QTest::newRow("cutoff rounded")
            << u"6~3.42"_s << u"17"_s << withBytes(Odd, 17, u"2C"_s)
            << QStringList { u"Low Batt. Protection: 3.3 V -> 3.4 V (3.42 V rounded)"_s };
        QTest::newRow("50% is 0x80") << u"14=50"_s << u"15"_s << withBytes(Odd, 15, u"80"_s)
                                     << QStringList { u"Reverse Mode Shift Level: 40 % -> 50 %"_s };
        QTest::newRow("limiter off") << u"limiter off"_s << u"19"_s << withBytes(Odd, 19, u"FF"_s)
                                     << QStringList { u"Current Limiter: 80 A -> Off"_s };
        QTest::newRow("robot mode")
            << u"robot mode"_s << u"31"_s << withBytes(Odd, 31, u"10"_s)
            << QStringList { u"Reverse Cancel: On -> Off"_s, u"Robot Mode: Off -> On"_s };
        QTest::newRow("cutoff to the minimum")
            << u"6=2.55"_s << u"17"_s << QString()
            << QStringList { u"Low Batt. Protection: 3.3 V -> 2.5 V (2.55 V rounded)"_s };
        QTest::newRow("limiter to tens")
            << u"7=155"_s << u"19"_s << QString()
            << QStringList { u"Current Limiter: 80 A -> 160 A (155 A rounded)"_s };
        QTest::newRow("dead band rounded")
            << u"5=12.5"_s << u"16"_s << QString()
            << QStringList { u"Dead Band: 10 uS -> 12 uS (12.5 uS rounded)"_s };
    }
    void oneEdit_changesThatFieldAlone()
    {
        QFETCH(QString, edit);
        QFETCH(QString, image);
        SettingValues values;
        values.setControllerImage(Odd);
        values.show(Odd);
        const qsizetype at = std::max(edit.indexOf(u'='), edit.indexOf(u'~'));
        const Parameter p = parameterAt(edit.left(at).toInt());
        const QString typed = edit.mid(at + 1);
        if (edit == u"limiter off"_s)
            values.setLimiterOff(true);
        else if (edit == u"robot mode"_s)
            values.setMode(Mode::RobotMode, true);
        else
            for (qsizetype n = edit[at] == u'~' ? 0 : typed.size(); n <= typed.size(); ++n)
                values.setText(p, typed.left(n));
        const ChangeEngine::Plan plan = ChangeEngine::plan(values);
        QTEST(changedBytes(Odd, plan.image).join(u' '), "bytes");
        QCOMPARE(image.isEmpty() ? image : plan.image, image);
        QTEST(describe(plan.changes), "changes");
    }

    // Both mode bits held: a request is compared with the bits, not with
    // what the rules let the switches show.
    void modeRequest_isComparedWithTheBitsHeld_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("on");
        QTest::newRow("reverse cancel off") << bitOf(Mode::ReverseCancel) << false;
        QTest::newRow("robot mode on") << bitOf(Mode::RobotMode) << true;
    }
    void modeRequest_isComparedWithTheBitsHeld()
    {
        QFETCH(int, mode);
        QFETCH(bool, on);
        const QString both = withBytes(Example, 31, u"14"_s);
        SettingValues values;
        values.setControllerImage(both);
        values.show(both);
        values.setMode(modeAt(mode), on);
        const ChangeEngine::Plan plan = ChangeEngine::plan(values);
        QCOMPARE(plan.image, withBytes(both, 31, u"10"_s));
        QCOMPARE(describe(plan.changes), QStringList { u"Reverse Cancel: On -> Off"_s });
    }

    // Another controller behind the port: what only it knows is its own.
    void otherController_keepsItsHiddenBytesAndSaysWhichDiffer()
    {
        const QString other = withBytes(
            withBytes(withBytes(Example, 4, u"DC05"_s), 18, u"54"_s), 28, u"0102170C"_s);
        SettingValues values;
        values.show(Odd);
        values.setControllerImage(other);
        const ChangeEngine::Plan plan = ChangeEngine::plan(values);
        QCOMPARE(changedBytes(other, plan.image),
            (QStringList { u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s, u"15"_s, u"17"_s, u"18"_s,
                u"19"_s, u"22"_s, u"24"_s, u"31"_s }));
        QCOMPARE(plan.image.mid(8, 12), other.mid(8, 12));
        QCOMPARE(plan.image.mid(56, 6), u"010217"_s);
        const QStringList lines = describe(plan.changes);
        QVERIFY(lines.contains(u"Byte 18: 54 -> 55"_s));
        QVERIFY(lines.contains(u"Reverse Mode Shift Level: 40 % -> 40 % (bytes 66 -> 67)"_s));
        QCOMPARE(describe(plan.kept), QStringList { u"Neutral: 1500 uS -> 1520 uS"_s });
    }

    void unwritableValues_areRefusedAndStillMarked_data()
    {
        QTest::addColumn<QString>("controller");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("dead band 60")
            << Example << QStringList { u"Dead Band: 10 uS -> 60 uS (cannot be written)"_s };
        QTest::newRow("dead band 60 held") << withBytes(Example, 16, u"3C"_s) << QStringList();
        QTest::newRow("no image anywhere") << QString() << QStringList();
    }
    void unwritableValues_areRefusedAndStillMarked()
    {
        QFETCH(QString, controller);
        QFETCH(QStringList, changes);
        SettingValues values;
        if (!controller.isEmpty()) {
            values.setControllerImage(controller);
            values.show(controller);
        }
        values.setText(Parameter::DeadBand, u"60"_s);
        const ChangeEngine::Plan plan = ChangeEngine::plan(values);
        QCOMPARE(plan.status, ChangeEngine::Status::InvalidValue);
        // With nothing shown, the first empty value comes first.
        QCOMPARE(plan.problem->parameter,
            controller.isEmpty() ? Parameter::PwmFrequencyMinLoad : Parameter::DeadBand);
        QVERIFY(plan.image.isEmpty());
        QCOMPARE(describe(plan.changes), changes);
    }
};

QTEST_APPLESS_MAIN(TstChangeEngine)
#include "tst_changeengine.moc"
