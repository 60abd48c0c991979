#include "windowprogram.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(
        u"%1.%2.%3"_qs.arg(TZ_VERSION_MAJOR).arg(TZ_VERSION_MINOR).arg(TZ_VERSION_PATCH));
    WindowProgram program({ .versionText
        = AppContext::makeVersionText(TZ_VERSION_MAJOR, TZ_VERSION_MINOR, TZ_VERSION_PATCH) });
    if (!program.start())
        return 0;
    return app.exec();
}
