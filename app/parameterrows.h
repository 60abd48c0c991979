#pragma once

#include "parametertable.h"
#include "settingimage.h"

#include <QObject>
#include <array>

class QCheckBox;
class QFont;
class QLabel;
class QLineEdit;
class QWidget;
class UpDown;

// The parameter boxes, spin buttons and mode switches of the main window, and
// the rules that keep them consistent while they are edited or filled.
class ParameterRows : public QObject {
    Q_OBJECT
public:
    // visibleParent gets the shown rows; fraTmp the never-shown ones.
    ParameterRows(QWidget* visibleParent, QWidget* fraTmp);

    QLineEdit* TxtData(int i) const;
    UpDown* UpDownData(int i) const;
    QCheckBox* ChkMode(int i) const;
    QCheckBox* ChkCurLimOff() const { return m_chkCurLimOff; }
    QLabel* LblCurLim() const { return m_lblCurLim; }
    QLineEdit* TxtTzType() const { return m_txtTzType; }
    QLineEdit* TxtVer() const { return m_txtVer; }

    // Ranges, tooltips, spin limits and steps; every box emptied.
    void MainIni();
    void ClearSettingDisplay();
    // Fills the window from an image whose status is Ok; other images are ignored.
    void applyDecoded(const SettingImage::Decoded& decoded);
    void clearTzType();

    SettingImage::WindowValues windowValues() const;
    bool isRed(int i) const;
    float SavedCurLim() const { return m_savedCurLim; }

    // Pixels between a caption's left edge and the control right of it.
    static int captionRoomPx(int index);
    // True when every caption, "Off" and the shown mode captions fit their room
    // in the given font; the window picks its font with this.
    static bool captionsFit(const QFont& font);

private:
    struct Place {
        int captionLeft;
        int boxLeft;
        int top;
    };
    void buildRow(QWidget* parent, int i, const Place& place);
    void buildTmpFields(QWidget* fraTmp);
    void setText(int i, const QString& text);
    void setRed(int i, bool red);
    void setChecked(QCheckBox* box, bool checked);

    void TxtData_Change(int i);
    void UpDownData_Change(int i);
    void ChkMode_Click(int i, bool checked);
    void ChkCurLimOff_Click(bool checked);

    std::array<QLineEdit*, ParameterCount> m_txtData {};
    std::array<UpDown*, ParameterCount> m_upDownData {};
    std::array<QCheckBox*, ModeCount> m_chkMode {};
    QCheckBox* m_chkCurLimOff = nullptr;
    QLabel* m_lblCurLim = nullptr;
    QLineEdit* m_txtTzType = nullptr;
    QLineEdit* m_txtVer = nullptr;
    std::array<float, ParameterCount> m_minData {};
    std::array<float, ParameterCount> m_maxData {};
    float m_savedCurLim = 0;
};
