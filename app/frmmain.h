#pragma once

#include "exchangehost.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class ParameterRows;
class Prompts;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TestRC;

// The program's one working window: the operation buttons, the parameter rows,
// the message line, the busy lamp and the menus.
class FrmMain : public QMainWindow, public ExchangeHost {
    Q_OBJECT
public:
    static constexpr int CommandCount = 5;

    FrmMain(TestRC& rc, Prompts& prompts, QWidget* parent = nullptr);
    ~FrmMain() override;

    // ExchangeHost
    void ShowMessage(const QString& text, uint32_t colour) override;
    void showBox(const QString& text, BoxIcon icon) override;
    void setLamp(uint32_t colour) override;

    // Start-up: title and version captions, the hidden frame, the visible size.
    void setCaptions(const QString& productName, const QString& versionText);
    void hideFraTmp();
    void centreOnScreen();
    // Button availability, then ranges, tooltips and spin limits of the rows.
    void MainIni();

    void ClosePort();
    void UpdateComButtons();
    bool portOpen() const;
    void mnuCom_Click();
    void mnuEnd_Click();

    // What ends the program; tests replace it to keep their event loop.
    void setQuit(std::function<void()> quit) { m_quit = std::move(quit); }

    TestRC& rc() { return m_rc; }
    Prompts& prompts() { return m_prompts; }
    ParameterRows& rows() { return *m_rows; }
    QWidget* client() const { return m_client; }
    QPushButton* CmdTzCom(int index) const { return m_cmdTzCom.at(index); }
    QLineEdit* TxtMsg() const { return m_txtMsg; }
    uint32_t messageColour() const { return m_messageColour; }
    QLabel* LblProductName() const { return m_lblProductName; }
    QLabel* LblVersion() const { return m_lblVersion; }
    QLabel* ImgLogo() const { return m_imgLogo; }
    QFrame* ShpLED() const { return m_shpLed; }
    uint32_t lampColour() const { return m_lampColour; }
    QGroupBox* FraTmp() const { return m_fraTmp; }

    QAction* mnuOpen() const { return m_mnuOpen; }
    QAction* mnuSave() const { return m_mnuSave; }
    QAction* munOpenLog() const { return m_munOpenLog; }
    QAction* mnuSaveLog() const { return m_mnuSaveLog; }
    QAction* mnuCom() const { return m_mnuCom; }
    QAction* mnuEnd() const { return m_mnuEnd; }

signals:
    // A click on CmdTzCom(index).
    void CmdTzCom_Click(int index);
    // "&Open" and "&Save" of "&Setting Data " and of "&Log Data".
    void mnuOpen_Click();
    void mnuSave_Click();
    void munOpenLog_Click();
    void mnuSaveLog_Click();
    // The window is going away: an operation still waiting must give up.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrames();
    void buildIndicators();
    void buildMenus();
    bool captionsFit(const QFont& font) const;
    void chooseFonts();
    void fixLabelHeights();
    void Form_Unload();
    void SerialLine_Lost();

    TestRC& m_rc;
    Prompts& m_prompts;
    QWidget* m_client = nullptr;
    std::array<QPushButton*, CommandCount> m_cmdTzCom {};
    QGroupBox* m_fraSetting = nullptr;
    QGroupBox* m_fraLog = nullptr;
    QLabel* m_imgLogo = nullptr;
    QLabel* m_lblBusy = nullptr;
    QFrame* m_shpLed = nullptr;
    QLabel* m_lblMessage = nullptr;
    QLineEdit* m_txtMsg = nullptr;
    QLabel* m_lblProductName = nullptr;
    QLabel* m_lblVersion = nullptr;
    QGroupBox* m_fraTmp = nullptr;
    std::unique_ptr<ParameterRows> m_rows;
    uint32_t m_messageColour = 0;
    uint32_t m_lampColour = 0x404000;
    bool m_unloaded = false;

    QMenu* m_mnuFile = nullptr;
    QMenu* m_mnuSet = nullptr;
    QMenu* m_mnuLog = nullptr;
    QAction* m_mnuOpen = nullptr;
    QAction* m_mnuSave = nullptr;
    QAction* m_munOpenLog = nullptr;
    QAction* m_mnuSaveLog = nullptr;
    QAction* m_mnuCom = nullptr;
    QAction* m_mnuEnd = nullptr;

    std::function<void()> m_quit;
};
