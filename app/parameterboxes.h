#pragma once

#include "parametertable.h"

#include <QObject>
#include <array>

class QCheckBox;
class QFont;
class QLabel;
class QLineEdit;
class QWidget;
class SettingValues;
class UpDown;

// The parameter rows of the main window: a view of the setting values. Input
// goes to the values, whose rules decide; update() then shows what they hold.
class ParameterBoxes : public QObject {
    Q_OBJECT
public:
    // Shown rows go on visibleParent, the rest on the hidden frame.
    ParameterBoxes(SettingValues& values, QWidget* visibleParent, QWidget* hiddenFrame);

    QLineEdit* valueBox(Parameter p) const { return m_valueBoxes[size_t(indexOf(p))]; }
    UpDown* spinButton(Parameter p) const { return m_spinButtons[size_t(indexOf(p))]; }
    QCheckBox* modeBox(Mode m) const { return m_modeBoxes[size_t(bitOf(m))]; }
    QCheckBox* limiterOffBox() const { return m_limiterOff; }
    QLineEdit* modelBox() const { return m_modelBox; }
    QLineEdit* romVersionBox() const { return m_romVersionBox; }

    // True when every caption, "Off" and the shown mode captions fit their
    // room in the given font; the window picks its font with this.
    static bool captionsFit(const QFont& font);

    void update();
    // The captions and tooltips in the language shown.
    void retranslate();

    // The shown controls in the order the rows are drawn: the row boxes, "Off"
    // before its box, then the mode boxes from the top.
    QList<QWidget*> tabChain() const;

protected:
    // Up/Down, PageUp/PageDown and the wheel on a value box click its spin button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        int captionLeft;
        int boxLeft;
        int top;
    };
    void buildRow(QWidget* parent, Parameter p, const Place& place);
    void buildModeBoxes(QWidget* visibleParent, QWidget* hiddenFrame);
    void buildHiddenFields(QWidget* hiddenFrame);
    // Where the values differ from the controller's image, what it holds
    // there; nothing while no values are shown or no image of this model is held.
    struct HeldMarks {
        std::array<QString, ParameterCount> values;
        std::array<QString, ModeCount> modes;
        QString limiter; // "Off", or the limit with its unit
    };
    HeldMarks heldMarks() const;
    void showEntry(int i, const QString& controllerHolds);
    void onTextEdited(int i);

    SettingValues& m_values;
    std::array<QLabel*, ParameterCount> m_captions {};
    std::array<QLineEdit*, ParameterCount> m_valueBoxes {};
    std::array<UpDown*, ParameterCount> m_spinButtons {};
    std::array<QCheckBox*, ModeCount> m_modeBoxes {};
    QCheckBox* m_limiterOff = nullptr;
    QLabel* m_limiterUnit = nullptr;
    QLabel* m_modelCaption = nullptr;
    QLabel* m_romVersionCaption = nullptr;
    QLineEdit* m_modelBox = nullptr;
    QLineEdit* m_romVersionBox = nullptr;
    bool m_updating = false;
    int m_wheelRest = 0; // eighths of a degree not yet turned into a step
};
