#include "objectnames.h"
#include "parameterboxes.h"
#include "settingvalues.h"
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
        QTest::mouseClick(m_boxes->spinButton(Parameter::CurrentLimit)->upButton(), Qt::LeftButton);
        QCOMPARE(box->text(), u"90"_s);
        QCOMPARE(m_boxes->spinButton(Parameter::CurrentLimit)->value(), 90);

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

    // Keys and the wheel on a value box click its spin button: the same text
    // as the arrows give, through the same rules, from a fresh window each way.
    void keysAndWheel_stepLikeTheSpinButton_data()
    {
        QTest::addColumn<Parameter>("parameter");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("steps"); // arrow clicks, up when positive
        QTest::addColumn<QString>("expected");
        auto row = [](Parameter p, const QString& start, int steps, const QString& expected) {
            QTest::addRow(
                "%s %s %+d", qPrintable(QString::fromUtf16(info(p).key)), qPrintable(start), steps)
                << p << start << steps << expected;
        };
        row(Parameter::PwmFrequencyMinLoad, QString(), 1, u"100"_s); // empty: the lower bound
        row(Parameter::PwmFrequencyMaxLoad, u"500"_s, 10, u"510"_s);
        row(Parameter::DeadBand, u"60"_s, 1, u"50"_s); // red: pulled to the bound
        row(Parameter::LowBatteryCutoff, u"3.5"_s, 1, u"3.6"_s);
        row(Parameter::LowBatteryCutoff, u"3.5"_s, -10, u"2.5"_s);
        row(Parameter::CurrentLimit, u"120"_s, 1, u"130"_s);
        row(Parameter::CurrentLimit, u"Off"_s, 1, QString()); // "Off": nothing moves
        row(Parameter::TimedCurrentLimit, u"55"_s, -10, u"50"_s); // snapped to 60 first
        row(Parameter::CurrentLimitTimer, u"240"_s, 1, u"240"_s);
        row(Parameter::BrakeMaxDuty, u"50"_s, -10, u"40"_s);
        row(Parameter::ReverseMaxDuty, u"0"_s, -1, u"0"_s);
        row(Parameter::NeutralBrake, u"5"_s, 10, u"15"_s);
        row(Parameter::ReverseShiftLevel, u"99"_s, 10, u"100"_s);
        row(Parameter::ForwardBoost, u"1"_s, -1, u"0"_s);
    }
    void keysAndWheel_stepLikeTheSpinButton()
    {
        QFETCH(Parameter, parameter);
        QFETCH(QString, start);
        QFETCH(int, steps);
        QFETCH(QString, expected);
        const auto keys = [&](QLineEdit* box, UpDown*) {
            const bool page = std::abs(steps) == 10;
            const Qt::Key up = page ? Qt::Key_PageUp : Qt::Key_Up;
            const Qt::Key down = page ? Qt::Key_PageDown : Qt::Key_Down;
            QTest::keyClick(box, steps > 0 ? up : down);
        };
        const auto wheel = [&](QLineEdit* box, UpDown*) {
            // A fine wheel: half notches add up.
            for (int i = 0; i < 2 * std::abs(steps); ++i) {
                QWheelEvent turn(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(),
                    QPoint(0, steps > 0 ? 60 : -60), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
                QApplication::sendEvent(box, &turn);
            }
        };
        const auto arrows = [&](QLineEdit*, UpDown* spin) {
            for (int i = 0; i < std::abs(steps); ++i)
                QTest::mouseClick(
                    steps > 0 ? spin->upButton() : spin->downButton(), Qt::LeftButton);
        };
        for (const auto& way :
            { std::function<void(QLineEdit*, UpDown*)>(keys), { wheel }, { arrows } }) {
            SettingValues values;
            QWidget window;
            ParameterBoxes boxes(values, &window, new QWidget(&window));
            window.show();
            if (start == u"Off")
                values.setLimiterOff(true);
            else
                values.setText(parameter, start);
            way(boxes.valueBox(parameter), boxes.spinButton(parameter));
            QCOMPARE(boxes.valueBox(parameter)->text(), expected);
            QCOMPARE(values.text(parameter), expected);
        }
    }

private:
    SettingValues m_values;
    std::unique_ptr<QWidget> m_window;
    ParameterBoxes* m_boxes = nullptr;
};

QTEST_MAIN(TstParameterBoxes)
#include "tst_parameterboxes.moc"
