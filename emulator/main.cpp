#include "controlleremulator.h"
#include "tcpemulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = { -1, -1 };

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &c, 1);
}

// Ends the event loop on SIGINT/SIGTERM so that the link is removed.
void quitOnSignals(QCoreApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

void say(const QString& text)
{
    QTextStream out(stdout);
    out << text << Qt::endl;
}

void traceCommands(ControllerModel& model)
{
    QObject::connect(&model, &ControllerModel::commandReceived, &model,
        [](const QByteArray& command) { say(u"received "_qs + QString::fromLatin1(command)); });
}

int serveTcp(QCoreApplication& app, const QString& where, EmulatorFault fault, bool trace)
{
    const qsizetype colon = where.lastIndexOf(u':');
    const QHostAddress address(colon < 0 ? u"127.0.0.1"_qs : where.left(colon));
    bool ok = false;
    const uint port = where.mid(colon + 1).toUInt(&ok);
    if (address.isNull() || !ok || port > 65535) {
        QTextStream(stderr) << "Not a port or ADDRESS:PORT: " << where << Qt::endl;
        return 2;
    }
    TcpEmulator emulator;
    emulator.model().setFault(fault);
    if (!emulator.listen(address, quint16(port))) {
        QTextStream(stderr) << "Cannot listen on " << where << Qt::endl;
        return 1;
    }
    say(emulator.url());
    if (trace)
        traceCommands(emulator.model());
    QObject::connect(&emulator, &TcpEmulator::clientDropped, &app,
        [] { say(QStringLiteral("connection dropped")); });
    return app.exec();
}
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tz586kv-emu"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Emulates a TZ586KV controller on a pseudo-terminal, or on a TCP port as a serial "
        "bridge would offer it, and prints its device or address."));
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"),
        QStringLiteral("Keep a symbolic link to the device at <path>."), QStringLiteral("path"));
    const QCommandLineOption faultOption(QStringLiteral("fault"),
        QStringLiteral("Misbehave: %1.").arg(emulatorFaultNames().join(QStringLiteral(", "))),
        QStringLiteral("name"), QStringLiteral("none"));
    const QCommandLineOption traceOption(QStringLiteral("trace"),
        QStringLiteral("Print \"received\" and each command as it arrives."));
    const QCommandLineOption tcpOption(QStringLiteral("tcp"),
        QStringLiteral("Listen on TCP <port> (of 127.0.0.1, or ADDRESS:PORT) instead of a "
                       "pseudo-terminal."),
        QStringLiteral("port"));
    parser.addOption(linkOption);
    parser.addOption(faultOption);
    parser.addOption(traceOption);
    parser.addOption(tcpOption);
    parser.process(app);

    const auto fault = emulatorFaultFromName(parser.value(faultOption));
    if (!fault) {
        QTextStream(stderr) << "Unknown fault: " << parser.value(faultOption) << Qt::endl;
        return 2;
    }
    quitOnSignals(app);
    if (parser.isSet(tcpOption))
        return serveTcp(app, parser.value(tcpOption), *fault, parser.isSet(traceOption));
    Tz586kvEmulator emulator;
    emulator.setFault(*fault);
    if (!emulator.start(parser.value(linkOption))) {
        QTextStream(stderr) << "Cannot open a pseudo-terminal or its link." << Qt::endl;
        return 1;
    }
    say(emulator.devicePath());
    if (parser.isSet(traceOption))
        traceCommands(emulator.model());

    // A pulled plug comes back after a second, as a new device.
    QObject::connect(&emulator, &Tz586kvEmulator::plugPulled, &app, [&emulator] {
        say(QStringLiteral("plug pulled"));
        QTimer::singleShot(1000, &emulator, [&emulator] {
            if (emulator.plugIn())
                say(emulator.devicePath());
        });
    });
    return app.exec();
}
