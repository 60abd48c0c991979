#include <QCoreApplication>
#include <QTimer>

// The reference of the command-line figures: Qt Core started, one pass of its
// event loop, ended.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
