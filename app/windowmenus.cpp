#include "windowmenus.h"

#include "demomenu.h"
#include "mainwindow.h"
#include "objectnames.h"

#include <QActionGroup>
#include <QMenuBar>

#include <array>

namespace {

template <typename Item> Item* named(Item* item, const QString& name)
{
    item->setObjectName(name);
    return item;
}

}

WindowMenus::WindowMenus(MainWindow& window)
    : m_window(window)
{
    QMenuBar* bar = window.menuBar();
    buildFileMenu();
    m_portAction = named(bar->addAction(QString()), ObjectName::PortMenu);
    m_exitAction = named(bar->addAction(QString()), ObjectName::ExitMenu);
    QObject::connect(m_portAction, &QAction::triggered, &window, &MainWindow::choosePortWanted);
    QObject::connect(m_exitAction, &QAction::triggered, &window, &QWidget::close);
    m_demoMenu = new DemoMenu(&window);
    bar->addMenu(m_demoMenu)->setVisible(false);
    QObject::connect(m_demoMenu, &DemoMenu::faultChosen, &window, &MainWindow::demoFaultChosen);
    buildLanguageMenu();
    m_helpMenu = bar->addMenu(QString());
    m_aboutAction = m_helpMenu->addAction(QString());
    QObject::connect(m_aboutAction, &QAction::triggered, &window, &MainWindow::aboutWanted);
    m_commandLineAction = m_helpMenu->addAction(QString());
    QObject::connect(
        m_commandLineAction, &QAction::triggered, &window, &MainWindow::commandLineHelpWanted);
}

void WindowMenus::buildFileMenu()
{
    m_fileMenu = named(m_window.menuBar()->addMenu(QString()), ObjectName::FileMenu);
    m_settingMenu = named(m_fileMenu->addMenu(QString()), ObjectName::SettingFileMenu);
    auto add = [this](QMenu* menu, const QString& name, void (MainWindow::*signal)()) {
        QAction* action = named(menu->addAction(QString()), name);
        QObject::connect(action, &QAction::triggered, &m_window, signal);
        return action;
    };
    add(m_settingMenu, ObjectName::OpenSettingFile, &MainWindow::openSettingFile)
        ->setShortcut(QKeySequence::Open);
    add(m_settingMenu, ObjectName::SaveSettingFile, &MainWindow::saveSettingFile)
        ->setShortcut(QKeySequence::Save);
    m_settingMenu->addSeparator();
    add(m_settingMenu, ObjectName::HistoryMenu, &MainWindow::showHistory);
    m_fileMenu->addSeparator();
    m_logMenu = named(m_fileMenu->addMenu(QString()), ObjectName::LogFileMenu);
    add(m_logMenu, ObjectName::OpenLogFile, &MainWindow::openLogFile);
    add(m_logMenu, ObjectName::SaveLogFile, &MainWindow::saveLogFile);
    m_logMenu->addSeparator();
    add(m_logMenu, ObjectName::CompareLogFile, &MainWindow::compareLogFile);
}

void WindowMenus::buildLanguageMenu()
{
    m_languageMenu = named(m_window.menuBar()->addMenu(QString()), ObjectName::LanguageMenu);
    auto* group = new QActionGroup(m_languageMenu);
    // A language is named in itself, so that it can be found whatever is shown.
    const std::array<std::pair<UiLanguage, QString>, 3> items { {
        { UiLanguage::System, QString() },
        { UiLanguage::English, u"English"_qs },
        { UiLanguage::Japanese, u"日本語"_qs },
    } };
    for (const auto& [language, name] : items) {
        QAction* action = group->addAction(name);
        action->setCheckable(true);
        action->setData(int(language));
        m_languageMenu->addAction(action);
        QObject::connect(action, &QAction::triggered, &m_window,
            [this, language = language] { emit m_window.languageChosen(language); });
    }
}

QAction* WindowMenus::item(const QString& objectName) const
{
    return m_fileMenu->findChild<QAction*>(objectName);
}

void WindowMenus::retranslate(const QString& title)
{
    m_fileMenu->setTitle(tr("&File"));
    m_settingMenu->setTitle(tr("&Setting Data "));
    item(ObjectName::OpenSettingFile)->setText(tr("&Open"));
    item(ObjectName::SaveSettingFile)->setText(tr("&Save"));
    item(ObjectName::HistoryMenu)->setText(tr("&History..."));
    m_logMenu->setTitle(tr("&Log Data"));
    item(ObjectName::OpenLogFile)->setText(tr("&Open"));
    item(ObjectName::SaveLogFile)->setText(tr("&Save"));
    item(ObjectName::CompareLogFile)->setText(tr("&Compare..."));
    m_portAction->setText(tr("&ComPort"));
    m_exitAction->setText(tr("&Exit"));
    m_demoMenu->retranslate();
    m_languageMenu->setTitle(tr("&Language"));
    m_languageMenu->actions().constFirst()->setText(tr("System"));
    m_helpMenu->setTitle(tr("&Help"));
    m_aboutAction->setText(tr("About %1").arg(title));
    m_commandLineAction->setText(tr("Command-line program"));
}

void WindowMenus::showLanguageChoice(UiLanguage language)
{
    for (QAction* action : m_languageMenu->actions())
        action->setChecked(action->data().toInt() == int(language));
}

void WindowMenus::setOperationRunning(bool running)
{
    // The items too: a disabled menu still lets its actions be triggered.
    m_fileMenu->setEnabled(!running);
    for (QAction* action : m_fileMenu->findChildren<QAction*>())
        action->setEnabled(!running);
    m_portAction->setEnabled(!running);
}

void WindowMenus::showDemo(bool demo)
{
    if (!demo)
        m_demoMenu->reset();
    m_demoMenu->menuAction()->setVisible(demo);
}
