#include "processend.h"
#include "windowprogram.h"

#include <QApplication>

static int run(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // Qt's GDI font engine leaves line edits empty under Wine; DirectWrite
    // draws them there as on Windows. A platform the user set stays.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
#endif
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(
        u"%1.%2.%3"_qs.arg(TZ_VERSION_MAJOR).arg(TZ_VERSION_MINOR).arg(TZ_VERSION_PATCH));
    WindowProgram program({ .versionText
        = AppContext::makeVersionText(TZ_VERSION_MAJOR, TZ_VERSION_MINOR, TZ_VERSION_PATCH) });
    if (!program.start())
        return 0;
    return app.exec();
}

int main(int argc, char* argv[]) { endProcess(run(argc, argv)); }
