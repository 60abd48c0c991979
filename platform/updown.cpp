#include "updown.h"

#include <QEvent>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>

namespace {

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}

UpDown::UpDown(QWidget* parent)
    : QWidget(parent)
    , m_up(makeArrow(this, Qt::UpArrow, QStringLiteral("Up")))
    , m_down(makeArrow(this, Qt::DownArrow, QStringLiteral("Down")))
{
    // A spin button is 255 x 285 twips.
    resize(17, 19);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    retranslate();
}

void UpDown::retranslate()
{
    m_up->setAccessibleName(tr("Up"));
    m_down->setAccessibleName(tr("Down"));
}

void UpDown::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void UpDown::setValue(int value)
{
    const int clamped = std::clamp(value, m_minimum, m_maximum);
    if (clamped == m_value)
        return;
    m_value = clamped;
    emit changed(m_value);
}

void UpDown::setMinimum(int minimum)
{
    m_minimum = minimum;
    m_maximum = std::max(m_maximum, minimum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}

void UpDown::setMaximum(int maximum)
{
    m_maximum = maximum;
    m_minimum = std::min(m_minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}

void UpDown::setIncrement(int increment) { m_increment = std::max(1, increment); }

QSize UpDown::sizeHint() const { return { 17, 19 }; }

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}

void UpDown::stepBy(int steps)
{
    for (int i = 0; i < std::abs(steps); ++i)
        step(steps > 0 ? 1 : -1);
}

void UpDown::step(int direction)
{
    // Widened so that a step near the int limits cannot overflow before clamping.
    const qint64 next = qint64(m_value) + qint64(direction) * m_increment;
    setValue(int(std::clamp<qint64>(next, m_minimum, m_maximum)));
}
