#pragma once

#include "translations.h"

#include <QCoreApplication>

class DemoMenu;
class MainWindow;
class QAction;
class QMenu;

// The main window's menu bar: File, ComPort, Exit, Demo, Language and Help,
// each item raising the window's signal for it.
class WindowMenus {
    Q_DECLARE_TR_FUNCTIONS(WindowMenus)
public:
    explicit WindowMenus(MainWindow& window);

    // The texts in the language shown; title names the program in About.
    void retranslate(const QString& title);
    // Checks the Language item of language.
    void showLanguageChoice(UiLanguage language);
    // File and ComPort are off while an operation runs.
    void setOperationRunning(bool running);
    // Demo is there while the demo controller is connected.
    void showDemo(bool demo);

private:
    void buildFileMenu();
    void buildLanguageMenu();
    QAction* item(const QString& objectName) const;

    MainWindow& m_window;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_settingMenu = nullptr;
    QMenu* m_logMenu = nullptr;
    QAction* m_portAction = nullptr;
    QAction* m_exitAction = nullptr;
    DemoMenu* m_demoMenu = nullptr;
    QMenu* m_languageMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_commandLineAction = nullptr;
};
