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

private:
    SettingValues m_values;
    std::unique_ptr<QWidget> m_window;
    ParameterBoxes* m_boxes = nullptr;
};

QTEST_MAIN(TstParameterBoxes)
#include "tst_parameterboxes.moc"
