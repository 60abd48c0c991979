#pragma once

#include "appcontext.h"
#include "translations.h"

#include <functional>
#include <memory>
#include <optional>

class HistoryStore;
class MainController;
class MainWindow;
class Prompts;
class SerialLine;
class SettingValues;
class SingleInstance;

// The window program as it ships, put together in one place: the port line,
// the configuration, the values, both settings histories, the main window
// and its controller. The program, its benchmark and its tests all start
// this one; the options name what a test replaces.
class WindowProgram {
public:
    struct Options {
        QString appPath {}; // the program's folder; unset, the running program's
        QString versionText {}; // e.g. "Version1.00"
        bool singleInstance = true; // one running copy per user
        Prompts* prompts = nullptr; // unset: message boxes and file dialogs
        SerialLine* line = nullptr; // unset: the port line (serial, demo, network)
        AppContext::PortDialogRunner portDialog {}; // unset: the port dialog
        double timeScale = 1.0; // of every reply window
        QString historyRoot {}; // a real controller's; unset, the user's data folder
        std::function<void()> quit {}; // unset: the application ends
    };

    explicit WindowProgram(Options options);
    ~WindowProgram();

    // Opens the configured port and shows the window; false, after saying
    // so, when another copy of the program runs already.
    bool start();

    AppState& state();
    AppContext& context();
    SerialLine& line();
    SettingValues& values();
    MainWindow& window();
    MainController& controller();
    // The history of a real controller.
    HistoryStore& history();

    // Shows every window in the language from now on, and keeps the choice.
    void chooseLanguage(UiLanguage language);

private:
    struct Parts;

    Options m_options;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<Parts> m_parts; // none while another copy runs
};
