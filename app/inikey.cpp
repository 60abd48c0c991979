// Reads or writes one key of a configuration file by the program's own rules;
// the run script uses it to start the program on the demo controller.
#include "inifile.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4 && args.size() != 5) {
        QTextStream(stderr) << "usage: tz586kv-ini <file> <section> <key> [value]" << Qt::endl;
        return 2;
    }
    IniFile file(args[1]);
    if (args.size() == 4) {
        QTextStream(stdout) << file.value(args[2], args[3]) << Qt::endl;
        return 0;
    }
    return file.setValue(args[2], args[3], args[4]) ? 0 : 1;
}
