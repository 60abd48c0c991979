#pragma once

#include <QWidget>

class QToolButton;

// A spin button without a text field: two stacked arrows stepping an integer
// between a minimum and a maximum. Changing the limits never raises changed.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int increment() const { return m_increment; }

    // Clamped to minimum..maximum; changed is raised only when the value moves.
    void setValue(int value);
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setIncrement(int increment);

    // As many clicks on the arrows, one at a time: up for positive steps.
    void stepBy(int steps);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

    QSize sizeHint() const override;

signals:
    void changed(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The arrows' names for screen readers.
    void retranslate();
    void step(int direction);

    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 10;
    int m_increment = 1;
};
