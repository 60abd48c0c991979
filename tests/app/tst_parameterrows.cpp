#include "parameterrows.h"
#include "updown.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class TstParameterRows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void mainIni_setsRangesStepsAndEmptiesBoxes_data();
    void mainIni_setsRangesStepsAndEmptiesBoxes();
    void typing_followsSnappingColourAndSpinRules_data();
    void typing_followsSnappingColourAndSpinRules();
    void oddTexts_settleWithoutEndlessRecursion_data();
    void oddTexts_settleWithoutEndlessRecursion();
    void spinClick_movesOrPullsTextIntoRange_data();
    void spinClick_movesOrPullsTextIntoRange();
    void outOfRangeText_leavesSpinThenClickPullsToBound();
    void reverseCancelAndRobotMode_excludeEachOther_data();
    void reverseCancelAndRobotMode_excludeEachOther();
    void checkingOff_savesOnlyANumberFromBoxSeven_data();
    void checkingOff_savesOnlyANumberFromBoxSeven();
    void decodedModeByte_checksItsBits_data();
    void decodedModeByte_checksItsBits();
    void decodedLimiterOff_emptiesBoxSevenAndOffersThreeHundred();
    void decodedZeros_showZeroAndRedBelowLowerBounds();
    void decodedAgainWhileOff_keepsTheDecodedCurrentLimit_data();
    void decodedAgainWhileOff_keepsTheDecodedCurrentLimit();
    void clearSettingDisplay_emptiesAndUnlocksEverything();
    void captionsFit_onlyForFontsSmallEnough_data();
    void captionsFit_onlyForFontsSmallEnough();
    void rows_sitWhereTheWindowExpectsThem_data();
    void rows_sitWhereTheWindowExpectsThem();

private:
    QLineEdit* box(int i) const { return m_rows->TxtData(i); }
    void typeInto(int i, const QString& keys);
    void click(int i, bool up);
    SettingImage::Decoded decoded(const QString& curLimit, uint8_t modeByte = 0) const;

    std::unique_ptr<QWidget> m_window;
    QWidget* m_fraTmp = nullptr;
    ParameterRows* m_rows = nullptr;
};

void TstParameterRows::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(430, 570);
    m_fraTmp = new QWidget(m_window.get());
    m_fraTmp->setGeometry(0, 424, 430, 140);
    m_rows = new ParameterRows(m_window.get(), m_fraTmp);
    m_rows->MainIni();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TstParameterRows::cleanup() { m_window.reset(); }

void TstParameterRows::typeInto(int i, const QString& keys)
{
    box(i)->clear();
    QTest::keyClicks(box(i), keys);
}

void TstParameterRows::click(int i, bool up)
{
    UpDown* spin = m_rows->UpDownData(i);
    QTest::mouseClick(up ? spin->upButton() : spin->downButton(), Qt::LeftButton);
}

SettingImage::Decoded TstParameterRows::decoded(const QString& curLimit, uint8_t modeByte) const
{
    SettingImage::Decoded d;
    d.status = SettingImage::DecodeStatus::Ok;
    d.modelCode = SettingImage::ThisModel;
    d.texts = { u"1000"_s, u"2000"_s, u"1520"_s, u"2020"_s, u"1020"_s, u"10"_s, u"3.5"_s, curLimit,
        u"50"_s, u"80"_s, u"30"_s, u"60"_s, u"200"_s, u"20"_s, u"50"_s };
    d.version = u"21"_s;
    d.modeByte = modeByte;
    return d;
}

void TstParameterRows::mainIni_setsRangesStepsAndEmptiesBoxes_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<int>("spinMin");
    QTest::addColumn<int>("spinMax");
    QTest::addColumn<int>("increment");
    QTest::newRow("0") << 0 << u"100～10000"_s << 100 << 10000 << 1;
    QTest::newRow("6 counts tenths") << 6 << u"2.5～6"_s << 25 << 60 << 1;
    QTest::newRow("7 steps by ten") << 7 << u"50～300"_s << 50 << 300 << 10;
    QTest::newRow("11") << 11 << u"0～240"_s << 0 << 240 << 1;
    QTest::newRow("12 steps by ten") << 12 << u"50～300"_s << 50 << 300 << 10;
}

void TstParameterRows::mainIni_setsRangesStepsAndEmptiesBoxes()
{
    QFETCH(int, i);
    QFETCH(QString, tooltip);
    QFETCH(int, spinMin);
    QFETCH(int, spinMax);
    QFETCH(int, increment);
    m_rows->applyDecoded(decoded(u"100"_s));
    m_rows->MainIni();
    for (int k = 0; k < ParameterCount; ++k)
        QVERIFY2(box(k)->text().isEmpty(), qPrintable(QString::number(k)));
    QCOMPARE(box(i)->toolTip(), tooltip);
    QCOMPARE(m_rows->UpDownData(i)->minimum(), spinMin);
    QCOMPARE(m_rows->UpDownData(i)->maximum(), spinMax);
    QCOMPARE(m_rows->UpDownData(i)->increment(), increment);
}

void TstParameterRows::typing_followsSnappingColourAndSpinRules_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("red");
    QTest::addColumn<int>("spin"); // with the spin button first at 150, 30 or 100
    QTest::newRow("7, 5 snaps up") << 7 << u"75"_s << u"80"_s << false << 80;
    QTest::newRow("1, 2, 5 snaps up") << 7 << u"125"_s << u"130"_s << false << 130;
    QTest::newRow("1, 2, 4 snaps down") << 12 << u"124"_s << u"120"_s << false << 120;
    QTest::newRow("4, 5 too small to snap") << 7 << u"45"_s << u"45"_s << true << 100;
    QTest::newRow("4, 5, 0 too large to snap") << 7 << u"450"_s << u"450"_s << true << 100;
    QTest::newRow("150.7 rounds via the spin") << 0 << u"150.7"_s << u"151"_s << false << 151;
    QTest::newRow("150.2 keeps its fraction") << 0 << u"150.2"_s << u"150.2"_s << false << 150;
    QTest::newRow("3.5 volts") << 6 << u"3.5"_s << u"3.5"_s << false << 35;
    QTest::newRow("3. waits for a digit") << 6 << u"3."_s << u"3."_s << false << 30;
    QTest::newRow("not a number") << 8 << u"x"_s << u"x"_s << false << 0;
    QTest::newRow("not a number below bound") << 5 << u"x"_s << u"x"_s << true << 30;
}

void TstParameterRows::typing_followsSnappingColourAndSpinRules()
{
    QFETCH(int, i);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(bool, red);
    QFETCH(int, spin);
    const std::array<QString, ParameterCount> start { u"150"_s, {}, {}, {}, {}, u"30"_s, u"4"_s,
        u"100"_s, u"0"_s, {}, {}, {}, u"100"_s };
    typeInto(i, start[size_t(i)]);
    typeInto(i, keys);
    QCOMPARE(box(i)->text(), text);
    QCOMPARE(m_rows->isRed(i), red);
    QCOMPARE(m_rows->UpDownData(i)->value(), spin);
}

void TstParameterRows::oddTexts_settleWithoutEndlessRecursion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("settled");
    QTest::newRow("negative") << u"-50"_s << u"-50"_s;
    QTest::newRow("exponent") << u"1e9"_s << u"0"_s;
    QTest::newRow("leading blank") << u" 75"_s << u"80"_s;
    QTest::newRow("hex prefix") << u"&H9"_s << u"10"_s;
}

void TstParameterRows::oddTexts_settleWithoutEndlessRecursion()
{
    QFETCH(QString, text);
    QFETCH(QString, settled);
    box(7)->setText(text);
    QCOMPARE(box(7)->text(), settled);
}

void TstParameterRows::spinClick_movesOrPullsTextIntoRange_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("spin");
    QTest::newRow("volts up a tenth") << 6 << u"3.5"_s << true << u"3.6"_s << 36;
    QTest::newRow("empty box gets lower bound") << 0 << QString() << true << u"100"_s << 100;
    QTest::newRow("empty limiter gets 50") << 7 << QString() << true << u"50"_s << 50;
    QTest::newRow("limiter down by ten") << 7 << u"80"_s << false << u"70"_s << 70;
    QTest::newRow("at maximum nothing moves") << 6 << u"6"_s << true << u"6"_s << 60;
}

void TstParameterRows::spinClick_movesOrPullsTextIntoRange()
{
    QFETCH(int, i);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, text);
    QFETCH(int, spin);
    typeInto(i, start);
    click(i, up);
    QCOMPARE(box(i)->text(), text);
    QCOMPARE(m_rows->UpDownData(i)->value(), spin);
    QVERIFY(!m_rows->isRed(i));
}

void TstParameterRows::outOfRangeText_leavesSpinThenClickPullsToBound()
{
    typeInto(0, u"150"_s);
    box(0)->setText(u"20000"_s);
    QVERIFY(m_rows->isRed(0));
    QCOMPARE(m_rows->UpDownData(0)->value(), 150);
    click(0, true);
    QCOMPARE(box(0)->text(), u"10000"_s);
    QVERIFY(!m_rows->isRed(0));
    QCOMPARE(m_rows->UpDownData(0)->value(), 10000);
}

void TstParameterRows::reverseCancelAndRobotMode_excludeEachOther_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("firstStays");
    QTest::newRow("Reverse Cancel drops Robot Mode") << 4 << 2 << false;
    QTest::newRow("Robot Mode drops Reverse Cancel") << 2 << 4 << false;
    QTest::newRow("T Limit Cut leaves Robot Mode") << 4 << 3 << true;
}

void TstParameterRows::reverseCancelAndRobotMode_excludeEachOther()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, firstStays);
    m_rows->ChkMode(first)->setChecked(true);
    m_rows->ChkMode(second)->setChecked(true);
    QCOMPARE(m_rows->ChkMode(first)->isChecked(), firstStays);
    QVERIFY(m_rows->ChkMode(second)->isChecked());
}

void TstParameterRows::checkingOff_savesOnlyANumberFromBoxSeven_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<float>("saved");
    QTest::addColumn<QString>("restored");
    QTest::newRow("in range") << u"200"_s << 200.0f << u"200"_s;
    QTest::newRow("out of range number") << u"450"_s << 450.0f << u"450"_s;
    QTest::newRow("empty keeps the last") << QString() << 120.0f << u"120"_s;
    QTest::newRow("text keeps the last") << u"1x"_s << 120.0f << u"120"_s;
}

void TstParameterRows::checkingOff_savesOnlyANumberFromBoxSeven()
{
    QFETCH(QString, before);
    QFETCH(float, saved);
    QFETCH(QString, restored);
    typeInto(7, u"120"_s);
    typeInto(7, before);
    m_rows->ChkCurLimOff()->setChecked(true);
    QCOMPARE(m_rows->SavedCurLim(), saved);
    QVERIFY(box(7)->text().isEmpty());
    QVERIFY(!box(7)->isEnabled());
    QVERIFY(!m_rows->UpDownData(7)->isEnabled());
    QVERIFY(!m_rows->LblCurLim()->isEnabled());
    m_rows->ChkCurLimOff()->setChecked(false);
    QCOMPARE(box(7)->text(), restored);
    QVERIFY(box(7)->isEnabled());
    QVERIFY(m_rows->UpDownData(7)->isEnabled());
}

void TstParameterRows::decodedModeByte_checksItsBits_data()
{
    QTest::addColumn<int>("modeByte");
    QTest::addColumn<QList<bool>>("checked");
    QTest::newRow("14: only Robot Mode")
        << 0x14 << QList<bool> { false, false, false, false, true };
    QTest::newRow("04: Reverse Cancel") << 0x04 << QList<bool> { false, false, true, false, false };
    QTest::newRow("0B") << 0x0B << QList<bool> { true, true, false, true, false };
    QTest::newRow("E0: unused bits") << 0xE0 << QList<bool> { false, false, false, false, false };
}

void TstParameterRows::decodedModeByte_checksItsBits()
{
    QFETCH(int, modeByte);
    QFETCH(QList<bool>, checked);
    m_rows->ChkMode(2)->setChecked(true);
    m_rows->applyDecoded(decoded(u"100"_s, uint8_t(modeByte)));
    for (int i = 0; i < ModeCount; ++i)
        QVERIFY2(m_rows->ChkMode(i)->isChecked() == checked[i], qPrintable(QString::number(i)));
    QCOMPARE(m_rows->windowValues().mode[2], checked[2]);
}

void TstParameterRows::decodedLimiterOff_emptiesBoxSevenAndOffersThreeHundred()
{
    m_rows->applyDecoded(decoded(u"480"_s));
    QVERIFY(m_rows->ChkCurLimOff()->isChecked());
    QVERIFY(box(7)->text().isEmpty());
    QVERIFY(!box(7)->isEnabled());
    QCOMPARE(m_rows->SavedCurLim(), 480.0f);
    QCOMPARE(m_rows->TxtTzType()->text(), u"TZ586KV"_s);
    QVERIFY(m_rows->windowValues().curLimOff);
    m_rows->ChkCurLimOff()->setChecked(false);
    QCOMPARE(box(7)->text(), u"300"_s);
    QVERIFY(!m_rows->isRed(7));
    QCOMPARE(m_rows->UpDownData(7)->value(), 300);
}

void TstParameterRows::decodedZeros_showZeroAndRedBelowLowerBounds()
{
    SettingImage::Decoded d = decoded(u"0"_s);
    d.texts.fill(u"0"_s);
    d.version = u"0"_s;
    m_rows->applyDecoded(d);
    const SettingImage::WindowValues values = m_rows->windowValues();
    for (int i = 0; i < ParameterCount; ++i) {
        QCOMPARE(values.texts[size_t(i)], u"0"_s);
        QVERIFY2(values.red[size_t(i)] == (i <= 7 || i == 12), qPrintable(QString::number(i)));
    }
    QCOMPARE(m_rows->TxtVer()->text(), u"0"_s);
    QVERIFY(!values.curLimOff);
}

void TstParameterRows::decodedAgainWhileOff_keepsTheDecodedCurrentLimit_data()
{
    QTest::addColumn<QString>("curLimit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("off");
    QTest::newRow("off again") << u"480"_s << QString() << true;
    QTest::newRow("below range") << u"0"_s << u"0"_s << false;
    QTest::newRow("in range") << u"150"_s << u"150"_s << false;
}

void TstParameterRows::decodedAgainWhileOff_keepsTheDecodedCurrentLimit()
{
    QFETCH(QString, curLimit);
    QFETCH(QString, text);
    QFETCH(bool, off);
    m_rows->applyDecoded(decoded(u"480"_s));
    m_rows->applyDecoded(decoded(curLimit));
    QCOMPARE(box(7)->text(), text);
    QCOMPARE(m_rows->ChkCurLimOff()->isChecked(), off);
    QCOMPARE(box(7)->isEnabled(), !off);
}

void TstParameterRows::clearSettingDisplay_emptiesAndUnlocksEverything()
{
    m_rows->applyDecoded(decoded(u"480"_s, 0x1F));
    m_rows->ClearSettingDisplay();
    for (int i = 0; i < ParameterCount; ++i)
        QVERIFY(box(i)->text().isEmpty());
    for (int i = 0; i < ModeCount; ++i)
        QVERIFY(!m_rows->ChkMode(i)->isChecked());
    QVERIFY(!m_rows->ChkCurLimOff()->isChecked());
    QVERIFY(box(7)->isEnabled());
    QVERIFY(m_rows->TxtTzType()->text().isEmpty());
    QVERIFY(m_rows->TxtVer()->text().isEmpty());
}

void TstParameterRows::rows_sitWhereTheWindowExpectsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("first box") << u"TxtData0"_s << false << QRect(316, 8, 61, 19);
    QTest::newRow("limiter box") << u"TxtData7"_s << false << QRect(316, 104, 61, 20);
    QTest::newRow("last spin") << u"UpDownData13"_s << false << QRect(376, 272, 17, 19);
    QTest::newRow("Off") << u"ChkCurLimOff"_s << false << QRect(264, 108, 45, 17);
    QTest::newRow("limiter caption") << u"LblCaption7"_s << false << QRect(156, 108, 108, 19);
    QTest::newRow("unit") << u"LblCurLim"_s << false << QRect(400, 108, 33, 19);
    QTest::newRow("Robot Mode") << u"ChkMode4"_s << false << QRect(156, 304, 160, 17);
    QTest::newRow("Reverse Cancel") << u"ChkMode2"_s << false << QRect(156, 324, 160, 17);
    QTest::newRow("neutral") << u"TxtData2"_s << true << QRect();
    QTest::newRow("TZ type") << u"TxtTzType"_s << true << QRect();
    QTest::newRow("Virgin Bit") << u"ChkMode0"_s << true << QRect();
}

void TstParameterRows::rows_sitWhereTheWindowExpectsThem()
{
    QFETCH(QString, name);
    QFETCH(bool, hidden);
    QFETCH(QRect, geometry);
    auto* widget = m_window->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), hidden ? m_fraTmp : m_window.get());
    if (!hidden)
        QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(
        m_window->findChild<QLabel*>(u"LblCaption7"_s)->width(), ParameterRows::captionRoomPx(7));
}

void TstParameterRows::captionsFit_onlyForFontsSmallEnough_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("fits");
    QTest::newRow("small") << 8 << true;
    QTest::newRow("large") << 20 << false;
}

void TstParameterRows::captionsFit_onlyForFontsSmallEnough()
{
    QFETCH(int, pixelSize);
    QFETCH(bool, fits);
    QFont font = m_window->font();
    font.setPixelSize(pixelSize);
    QCOMPARE(ParameterRows::captionsFit(font), fits);
}

QTEST_MAIN(TstParameterRows)
#include "tst_parameterrows.moc"
