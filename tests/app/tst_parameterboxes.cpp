#include "objectnames.h"
#include "parameterboxes.h"
#include "settingvalues.h"
#include "testmain.h"
#include "updown.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {
// Every parameter byte FF: the widest value each box can be sent.
const QString Widest = u"FFFFFFFFFFFFFFFFFFFF0000000000FFFFFF55FFFFFFFFFFFFFF85C800021504"_s;
}

class TstParameterBoxes : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(430, 570);
        m_boxes = new ParameterBoxes(m_values, m_window.get(), new QWidget(m_window.get()));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void typingAndClicking_goThroughTheValues()
    {
        QLineEdit* box = m_boxes->valueBox(Parameter::CurrentLimit);
        QTest::keyClicks(box, u"75"_s);
        QCOMPARE(box->text(), u"80"_s);
        QCOMPARE(m_values.text(Parameter::CurrentLimit), u"80"_s);
        QCOMPARE(m_boxes->spinButton(Parameter::CurrentLimit)->value(), 80);

        m_boxes->limiterOffBox()->click();
        QVERIFY(m_values.limiterOff() && box->text().isEmpty());
        QVERIFY(!box->isEnabled() && !m_boxes->spinButton(Parameter::CurrentLimit)->isEnabled());
        QVERIFY(!m_window->findChild<QLabel*>(ObjectName::LimiterUnit)->isEnabled());
        m_boxes->modeBox(Mode::RobotMode)->click();
        m_boxes->modeBox(Mode::ReverseCancel)->click();
        QVERIFY(!m_boxes->modeBox(Mode::RobotMode)->isChecked());
    }

    // The typing limit is for typing: what the controller holds shows whole.
    void widestDecodedValues_showWholeAndRedInEveryBox()
    {
        QCOMPARE(m_values.show(Widest), SettingImage::DecodeStatus::Ok);
        for (int i = 0; i < ParameterCount; ++i) {
            const Parameter p = parameterAt(i);
            const QLineEdit* box = m_boxes->valueBox(p);
            QCOMPARE(box->text(), m_values.text(p));
            const QColor colour = m_values.entry(p).inRange ? Qt::black : Qt::red;
            QCOMPARE(box->palette().color(QPalette::Active, QPalette::Text), colour);
        }
        QCOMPARE(m_boxes->valueBox(Parameter::Neutral)->text(), u"65535"_s);
        QCOMPARE(m_boxes->valueBox(Parameter::DeadBand)->text(), u"255"_s);
        QCOMPARE(m_boxes->valueBox(Parameter::LowBatteryCutoff)->toolTip(), u"2.5\uFF5E6"_s);

        QLineEdit* deadBand = m_boxes->valueBox(Parameter::DeadBand);
        deadBand->clear();
        QTest::keyClicks(deadBand, u"123"_s);
        QCOMPARE(deadBand->text(), u"12"_s);
    }

    // Keys and the wheel on a value box click its spin button: the text the
    // arrows give, through the same rules, from a fresh window each way.
    void keysAndWheel_stepLikeTheSpinButton_data()
    {
        QTest::addColumn<Parameter>("p");
        QTest::addColumn<QString>("start"); // "Off": the limiter switched off
        QTest::addColumn<int>("steps"); // arrow clicks, up when positive
        QTest::addColumn<QString>("expected");
        using P = Parameter;
        const std::tuple<P, const char16_t*, int, const char16_t*> rows[] {
            { P::PwmFrequencyMinLoad, u"", 1, u"100" },
            { P::PwmFrequencyMaxLoad, u"500", 10, u"510" }, { P::DeadBand, u"60", 1, u"50" },
            { P::LowBatteryCutoff, u"3.5", -10, u"2.5" }, { P::CurrentLimit, u"120", 1, u"130" },
            { P::CurrentLimit, u"Off", 1, u"" }, { P::TimedCurrentLimit, u"55", -10, u"50" },
            { P::CurrentLimitTimer, u"240", 1, u"240" }, { P::BrakeMaxDuty, u"50", -10, u"40" },
            { P::ReverseMaxDuty, u"0", -1, u"0" }, { P::NeutralBrake, u"5", 10, u"15" },
            { P::ReverseShiftLevel, u"99", 10, u"100" }, { P::ForwardBoost, u"1", -1, u"0" }
        };
        for (const auto& [p, start, steps, expected] : rows)
            QTest::addRow("%d %ls %+d", indexOf(p), reinterpret_cast<const wchar_t*>(start), steps)
                << p << QString::fromUtf16(start) << steps << QString::fromUtf16(expected);
    }
    void keysAndWheel_stepLikeTheSpinButton()
    {
        QFETCH(Parameter, p);
        QFETCH(QString, start);
        QFETCH(int, steps);
        for (int way = 0; way < 3; ++way) {
            SettingValues values;
            QWidget window;
            ParameterBoxes boxes(values, &window, new QWidget(&window));
            window.show();
            start == u"Off" ? values.setLimiterOff(true) : values.setText(p, start);
            QLineEdit* box = boxes.valueBox(p);
            const bool up = steps > 0;
            if (way == 0) {
                const bool page = std::abs(steps) == 10;
                QTest::keyClick(box,
                    page ? (up ? Qt::Key_PageUp : Qt::Key_PageDown)
                         : (up ? Qt::Key_Up : Qt::Key_Down));
            }
            for (int i = 0; way == 1 && i < 2 * std::abs(steps); ++i) { // half notches add up
                QWheelEvent turn({ 5, 5 }, box->mapToGlobal(QPointF(5, 5)), {},
                    { 0, up ? 60 : -60 }, {}, {}, Qt::NoScrollPhase, false);
                QApplication::sendEvent(box, &turn);
            }
            UpDown* spin = boxes.spinButton(p);
            for (int i = 0; way == 2 && i < std::abs(steps); ++i)
                QTest::mouseClick(up ? spin->upButton() : spin->downButton(), Qt::LeftButton);
            QTEST(box->text(), "expected");
            QTEST(values.text(p), "expected");
        }
    }

private:
    SettingValues m_values;
    std::unique_ptr<QWidget> m_window;
    ParameterBoxes* m_boxes = nullptr;
};

TZ_TEST_MAIN(TstParameterBoxes)
#include "tst_parameterboxes.moc"
