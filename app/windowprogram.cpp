#include "windowprogram.h"

#include "historystore.h"
#include "linehistory.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "portline.h"
#include "qtprompts.h"
#include "scriptfonts.h"
#include "settingvalues.h"
#include "singleinstance.h"

#include "configuration.h"

#include <QCoreApplication>

namespace {
// The window's captions fit the version text: it must be there first.
AppState stateFor(const WindowProgram::Options& options)
{
    AppState state;
    state.appPath
        = options.appPath.isEmpty() ? QCoreApplication::applicationDirPath() : options.appPath;
    state.versionText = options.versionText;
    return state;
}

// The catalogues and the fonts of a language.
void showLanguage(UiLanguage language)
{
    ScriptFonts::setJapanese(applyLanguage(language) == UiLanguage::Japanese);
}
}

struct WindowProgram::Parts {
    explicit Parts(const Options& options);

    AppState state;
    QtPrompts boxes { state.title };
    Prompts& prompts;
    PortLine portLine;
    SerialLine& line;
    AppContext context { state, line };
    SettingValues values;
    HistoryStore history;
    HistoryStore demoHistory;
    MainWindow window { context, values, prompts };
    MainController controller { context, window, values };
};

WindowProgram::Parts::Parts(const Options& options)
    : state(stateFor(options))
    , prompts(options.prompts ? *options.prompts : boxes)
    , line(options.line ? *options.line : portLine)
    , history(historyRootFor(PortName(), options.historyRoot))
    , demoHistory(historyRootFor(PortName::demo(), options.historyRoot))
{
    if (options.prompts)
        context.setPrompts(options.prompts);
    if (options.portDialog)
        context.setPortDialog(options.portDialog);
    if (options.quit)
        window.setQuit(options.quit);
    controller.exchange().setTimeScale(options.timeScale);
    controller.setHistory(&history);
    context.setPortOpened(
        [this] { controller.setHistory(portLine.demoOpen() ? &demoHistory : &history); });
    QObject::connect(&window, &MainWindow::demoFaultChosen, &portLine.demo(), &DemoLine::setFault);
    window.showLanguageChoice(languageFromCode(context.language()));
}

WindowProgram::WindowProgram(Options options)
    : m_options(std::move(options))
{
    // The windows and the message below are built in the language the user picked.
    const QString folder = stateFor(m_options).appPath;
    showLanguage(languageFromCode(Configuration(Configuration::choosePath(folder)).language()));
    if (m_options.singleInstance) {
        m_instance = std::make_unique<SingleInstance>(u"tz586kv-link"_qs);
        if (!m_instance->tryLock())
            return;
    }
    m_parts = std::make_unique<Parts>(m_options);
    QObject::connect(&m_parts->window, &MainWindow::languageChosen, &m_parts->window,
        [this](UiLanguage language) { chooseLanguage(language); });
}

WindowProgram::~WindowProgram() = default;

bool WindowProgram::start()
{
    if (!m_parts) {
        QtPrompts boxes(AppState().title);
        (m_options.prompts ? *m_options.prompts : boxes)
            .message(QCoreApplication::translate(
                         "WindowProgram", "This application is already opened!!"),
                Prompts::Icon::None);
        return false;
    }
    AppContext& context = m_parts->context;
    MainWindow& window = m_parts->window;
    context.setMessageLine(
        [&window](const MessageText& text, MessageTone tone) { window.showMessage(text, tone); });
    context.setDialogParent(&window);
    m_parts->controller.portChoice().openAtStart();
    window.setCaptions(state().title, state().versionText);
    window.hideHiddenFrame();
    window.centreOnScreen();
    window.show();
    m_parts->boxes.setParent(&window);
    return true;
}

AppState& WindowProgram::state() { return m_parts->state; }
AppContext& WindowProgram::context() { return m_parts->context; }
SerialLine& WindowProgram::line() { return m_parts->line; }
SettingValues& WindowProgram::values() { return m_parts->values; }
MainWindow& WindowProgram::window() { return m_parts->window; }
MainController& WindowProgram::controller() { return m_parts->controller; }
HistoryStore& WindowProgram::history() { return m_parts->history; }

void WindowProgram::chooseLanguage(UiLanguage language)
{
    showLanguage(language);
    m_parts->context.storeLanguage(languageCode(language));
    m_parts->window.showLanguageChoice(language);
}
