#include "appcontext.h"
#include "appstate.h"
#include "historystore.h"
#include "linehistory.h"
#include "maincontroller.h"
#include "mainwindow.h"
#include "portline.h"
#include "qtprompts.h"
#include "settingvalues.h"
#include "singleinstance.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(
        u"%1.%2.%3"_qs.arg(TZ_VERSION_MAJOR).arg(TZ_VERSION_MINOR).arg(TZ_VERSION_PATCH));
    AppState state;
    QtPrompts prompts(state.title);

    SingleInstance instance(u"tz586kv-link"_qs);
    if (!instance.tryLock()) {
        prompts.message(u"This application is already opened!!"_qs, Prompts::Icon::None);
        return 0;
    }

    state.versionText
        = AppContext::makeVersionText(TZ_VERSION_MAJOR, TZ_VERSION_MINOR, TZ_VERSION_PATCH);
    state.appPath = QCoreApplication::applicationDirPath();

    PortLine line;
    AppContext context(state, line);
    SettingValues values;
    HistoryStore history(HistoryStore::defaultRoot());
    HistoryStore demoHistory(historyRootFor(PortName::demo()));
    MainWindow window(context, values, prompts);
    MainController controller(context, window, values);
    controller.setHistory(&history);
    context.setPortOpened(
        [&] { controller.setHistory(line.demoOpen() ? &demoHistory : &history); });
    QObject::connect(&window, &MainWindow::demoFaultChosen, &line.demo(), &DemoLine::setFault);
    startUp(context, window);
    prompts.setParent(&window);
    return app.exec();
}
