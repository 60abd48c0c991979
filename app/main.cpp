#include "appstate.h"
#include "frmmain.h"
#include "maincommands.h"
#include "qtprompts.h"
#include "qtserialline.h"
#include "singleinstance.h"
#include "startup.h"
#include "testrc.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppState state;
    QtPrompts prompts(state.AppTitle);

    SingleInstance instance(u"tz586kv-link"_qs);
    if (!instance.tryLock()) {
        prompts.message(u"This application is already opened!!"_qs, Prompts::Icon::None);
        return 0;
    }

    state.VersionText
        = TestRC::MakeVersionText(TZ_VERSION_MAJOR, TZ_VERSION_MINOR, TZ_VERSION_PATCH);
    state.AppPath = QCoreApplication::applicationDirPath();

    QtSerialLine line;
    TestRC rc(state, line);
    FrmMain frm(rc, prompts);
    MainCommands commands(rc, frm);
    StartUp(rc, frm);
    prompts.setParent(&frm);
    return app.exec();
}
