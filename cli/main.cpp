#include "cliapp.h"
#include "processend.h"
#include "translations.h"

#include <QCoreApplication>

static int run(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The user's language: LC_ALL, LC_MESSAGES, LANG (and LANGUAGE) on Unix,
    // the UI language on Windows.
    applyLanguage(UiLanguage::System);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return runCli(args, QCoreApplication::applicationDirPath());
}

int main(int argc, char* argv[]) { endProcess(run(argc, argv)); }
