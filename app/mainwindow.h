#pragma once

#include "appstate.h"
#include "emulatorfault.h"
#include "operation.h"
#include "translations.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class AppContext;
class ParameterBoxes;
class Prompts;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingValues;
class WindowMenus;

// The program's one working window: the operation buttons, the parameter
// boxes, the message line, the busy lamp and the menus.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(
        AppContext& context, SettingValues& values, Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The tooltip of a command's button, which the message line shows while it runs.
    static QString commandTooltip(Command command);

    // Replaces the message and clears the line's tooltip; the message is
    // said again in the language the user picks next.
    void showMessage(const MessageText& text, MessageTone tone);
    void showMessage(const QString& text, MessageTone tone);
    void setLamp(Lamp lamp);

    // Start-up: title and version captions, the hidden frame, the visible size.
    void setCaptions(const QString& productName, const QString& versionText);
    void hideHiddenFrame();
    void centreOnScreen();

    // The controller decides which buttons may start an operation.
    void enableCommands(bool commands, bool write);
    // The title and the Demo menu tell whether the demo controller is on the port.
    void showDemoConnected(bool demo);
    // While an operation runs, nothing else may start: File and ComPort are
    // off; Exit and the close box still end the program.
    void setOperationRunning(bool running);

    // Checks the Language menu's item for what the configuration holds.
    void showLanguageChoice(UiLanguage language);

    // What ends the program; tests replace it to keep their event loop.
    void setQuit(std::function<void()> quit) { m_quit = std::move(quit); }

    Prompts& prompts() { return m_prompts; }
    ParameterBoxes& boxes() { return *m_boxes; }
    QWidget* client() const { return m_client; }
    QPushButton* commandButton(Command c) const { return m_commandButtons[size_t(c)]; }
    QLineEdit* messageLine() const { return m_messageLine; }
    MessageTone messageTone() const { return m_messageTone; }
    Lamp lamp() const { return m_lamp; }
    QAction* fileAction(const QString& objectName) const;

signals:
    void commandClicked(Command command);
    void openSettingFile();
    void saveSettingFile();
    void showHistory();
    void openLogFile();
    void saveLogFile();
    void compareLogFile();
    void aboutWanted();
    void commandLineHelpWanted();
    // The ComPort menu: close the port and ask for another.
    void choosePortWanted();
    // From the Demo menu: how the demo controller's next exchanges fail.
    void demoFaultChosen(EmulatorFault fault);
    // From the Language menu.
    void languageChosen(UiLanguage language);
    // The window is going away: the port closes, an operation still waiting
    // must give up.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildFrames();
    void buildIndicators();
    // Every text of the window in the language shown, then the fonts that fit them.
    void retranslate();
    void setTabOrderAsDrawn();
    bool captionsFit(const QFont& font) const;
    void chooseFonts();
    void fixLabelHeights();
    void unload();

    AppContext& m_context;
    Prompts& m_prompts;
    QWidget* m_client = nullptr;
    std::array<QPushButton*, CommandCount> m_commandButtons {};
    QGroupBox* m_settingFrame = nullptr;
    QGroupBox* m_logFrame = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_busyCaption = nullptr;
    QFrame* m_lampShape = nullptr;
    QLabel* m_messageCaption = nullptr;
    QLineEdit* m_messageLine = nullptr;
    QLabel* m_productName = nullptr;
    QLabel* m_versionCaption = nullptr;
    QGroupBox* m_hiddenFrame = nullptr;
    std::unique_ptr<ParameterBoxes> m_boxes;
    MessageText m_message;
    MessageTone m_messageTone = MessageTone::Normal;
    Lamp m_lamp = Lamp::Idle;
    bool m_unloaded = false;
    bool m_demoShown = false;
    std::unique_ptr<WindowMenus> m_menus;
    std::function<void()> m_quit;
};
