#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class TestRC;

// The modal port dialog: lists the ports that open right now; a pick takes
// effect at once, OK or Cancel only tell the caller whether to go on.
class frmConfig : public QDialog {
    Q_OBJECT
public:
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 16;
    static const QString NotFoundText; // "Not found"

    explicit frmConfig(TestRC& rc, QWidget* parent = nullptr);

    QComboBox* Combo() const { return m_combo; }
    QPushButton* cmdOk() const { return m_ok; }
    QPushButton* CmdCancel() const { return m_cancel; }
    QLabel* label() const { return m_label; }
    // Below the list: the devices that exist but refused to open, and why.
    QLabel* LblRefused() const { return m_refused; }

    void Combo_Click(int index);
    void cmdOk_Click();
    void CmdCancel_Click();

private:
    void buildControls();
    void ListComPorts();
    void showRefused(const QStringList& denied, const QStringList& inUse);

    TestRC& m_rc;
    QPushButton* m_ok = nullptr;
    QComboBox* m_combo = nullptr;
    QLabel* m_label = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_refused = nullptr;
};
