#include "parameterrows.h"
#include "updown.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace Qt::Literals::StringLiterals;

static SettingImage::Decoded decoded(const QString& curLimit, uint8_t modeByte = 0)
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

class TstParameterRows : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(430, 570);
        auto* fraTmp = new QWidget(m_window.get());
        m_rows = new ParameterRows(m_window.get(), fraTmp);
        m_rows->MainIni();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup();

    void mainIni_emptiesBoxesAndSetsRanges()
    {
        m_rows->applyDecoded(decoded(u"100"_s));
        m_rows->MainIni();
        for (int k = 0; k < ParameterCount; ++k)
            QVERIFY2(box(k)->text().isEmpty(), qPrintable(QString::number(k)));
        QCOMPARE(box(6)->toolTip(), u"2.5～6"_s);
        QCOMPARE(box(11)->toolTip(), u"0～240"_s);
        const UpDown* volts = m_rows->UpDownData(6);
        QCOMPARE(QList<int>({ volts->minimum(), volts->maximum(), volts->increment() }),
            QList<int>({ 25, 60, 1 }));
        QCOMPARE(m_rows->UpDownData(7)->increment(), 10);
        QCOMPARE(m_rows->UpDownData(12)->increment(), 10);
    }
    void typingAndClicking_followSnappingColourAndSpinRules_data()
    {
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("spin");
        QTest::addColumn<QString>("clicked"); // text after a click on "up"; empty: no click
        QTest::newRow("7, 5 snaps up") << 7 << u"75"_s << u"80"_s << false << 80 << QString();
        QTest::newRow("1, 2, 5 snaps up") << 7 << u"125"_s << u"130"_s << false << 130 << QString();
        QTest::newRow("4, 5 red") << 7 << u"45"_s << u"45"_s << true << 100 << QString();
        QTest::newRow("4, 5, 0 red") << 7 << u"450"_s << u"450"_s << true << 100 << QString();
        QTest::newRow("150.7") << 0 << u"150.7"_s << u"151"_s << false << 151 << QString();
        QTest::newRow("150.2") << 0 << u"150.2"_s << u"150.2"_s << false << 150 << QString();
        QTest::newRow("3.5 up") << 6 << u"3.5"_s << u"3.5"_s << false << 35 << u"3.6"_s;
        QTest::newRow("3.") << 6 << u"3."_s << u"3."_s << false << 30 << QString();
        QTest::newRow("empty up") << 0 << QString() << QString() << false << 150 << u"100"_s;
        QTest::newRow("20000 up") << 0 << u"20000"_s << u"20000"_s << true << 2000 << u"10000"_s;
    }
    void typingAndClicking_followSnappingColourAndSpinRules()
    {
        QFETCH(int, i);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, red);
        QFETCH(int, spin);
        QFETCH(QString, clicked);
        typeInto(i, i == 0 ? u"150"_s : i == 6 ? u"4"_s : u"100"_s); // a known spin value first
        typeInto(i, keys);
        QCOMPARE(box(i)->text(), text);
        QCOMPARE(m_rows->isRed(i), red);
        QCOMPARE(m_rows->UpDownData(i)->value(), spin);
        if (clicked.isEmpty())
            return;
        QTest::mouseClick(m_rows->UpDownData(i)->upButton(), Qt::LeftButton);
        QCOMPARE(box(i)->text(), clicked);
        QVERIFY(!m_rows->isRed(i));
        QCOMPARE(m_rows->UpDownData(i)->value(), int(clicked.toDouble() * (i == 6 ? 10 : 1)));
    }
    void reverseCancelAndRobotMode_excludeEachOther()
    {
        m_rows->ChkMode(4)->setChecked(true);
        m_rows->ChkMode(2)->setChecked(true);
        QVERIFY(!m_rows->ChkMode(4)->isChecked());
        m_rows->ChkMode(4)->setChecked(true);
        QVERIFY(!m_rows->ChkMode(2)->isChecked());
        m_rows->ChkMode(3)->setChecked(true);
        QVERIFY(m_rows->ChkMode(4)->isChecked());
    }
    void checkingOff_keepsTheLastNumberOfAnEmptyBox()
    {
        typeInto(7, u"120"_s);
        box(7)->clear();
        m_rows->ChkCurLimOff()->setChecked(true);
        QCOMPARE(m_rows->SavedCurLim(), 120.0f);
        QVERIFY(box(7)->text().isEmpty());
        QVERIFY(!box(7)->isEnabled());
        m_rows->ChkCurLimOff()->setChecked(false);
        QCOMPARE(box(7)->text(), u"120"_s);
        QVERIFY(box(7)->isEnabled());
    }
    void decodedModeByte_checksItsBits()
    {
        m_rows->ChkMode(2)->setChecked(true);
        for (const auto& [byte, checked] :
            { std::pair { 0x14, u"00001"_s }, { 0x0B, u"11010"_s } }) {
            m_rows->applyDecoded(decoded(u"100"_s, uint8_t(byte)));
            QString actual;
            for (int i = 0; i < ModeCount; ++i)
                actual += m_rows->ChkMode(i)->isChecked() ? u'1' : u'0';
            QCOMPARE(actual, checked);
        }
        QVERIFY(!m_rows->windowValues().mode[2]);
    }
    void decodedLimiterOff_emptiesBoxSevenUntilUnchecked()
    {
        // Byte 19 = FF decodes to a current limit above the range.
        m_rows->applyDecoded(decoded(u"480"_s));
        QVERIFY(m_rows->ChkCurLimOff()->isChecked());
        QVERIFY(box(7)->text().isEmpty());
        QVERIFY(!box(7)->isEnabled());
        m_rows->applyDecoded(decoded(u"150"_s));
        QVERIFY(!m_rows->ChkCurLimOff()->isChecked());
        QCOMPARE(box(7)->text(), u"150"_s);
        QVERIFY(box(7)->isEnabled());
        m_rows->applyDecoded(decoded(u"480"_s));
        m_rows->ChkCurLimOff()->setChecked(false);
        QCOMPARE(box(7)->text(), u"300"_s);
        QVERIFY(!m_rows->isRed(7));
        QCOMPARE(m_rows->UpDownData(7)->value(), 300);
    }

private:
    QLineEdit* box(int i) const { return m_rows->TxtData(i); }
    void typeInto(int i, const QString& keys)
    {
        box(i)->clear();
        QTest::keyClicks(box(i), keys);
    }

    std::unique_ptr<QWidget> m_window;
    ParameterRows* m_rows = nullptr;
};

void TstParameterRows::cleanup() { m_window.reset(); }

QTEST_MAIN(TstParameterRows)
#include "tst_parameterrows.moc"
