#include "exchangebench.h"

#include "controlleremulator.h"
#include "demoline.h"
#include "messageexchange.h"
#include "qtserialline.h"
#include "tcpemulator.h"
#include "tcpline.h"

#include <QElapsedTimer>

#include <algorithm>
#include <sys/resource.h>

namespace {
constexpr int ReplyCharacters = 68;
constexpr double WireMs = ReplyCharacters * 11 * 1000.0 / 9600.0;
constexpr int Runs = 7;

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Median of several exchanges, so that one scheduling hiccup does not decide.
double readRatio(MessageExchange& exchange)
{
    QList<double> ratios;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        const bool ok = exchange.readSettings().has_value();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        ratios.append(ok ? ms / WireMs : 99.0);
        exchange.delay(0.05);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios.at(Runs / 2);
}

// The same "sr" over the demo controller and over a TCP connection to the
// emulator on loopback; 99 when the line does not open.
double lineRatio(SerialLine& line, const QString& device)
{
    if (!line.open(device))
        return 99.0;
    MessageExchange exchange(line);
    const double ratio = readRatio(exchange);
    exchange.stopLamp();
    line.close();
    return ratio;
}

double idleShare(MessageExchange& exchange)
{
    QElapsedTimer clock;
    const double cpuBefore = cpuSeconds();
    clock.start();
    exchange.send(QStringLiteral("sr"), QStringLiteral("\r"));
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    return (cpuSeconds() - cpuBefore) / wall;
}
}

QList<BenchRow> exchangeBench()
{
    Tz586kvEmulator emulator;
    QtSerialLine line;
    MessageExchange exchange(line);
    if (!emulator.start() || !line.open(emulator.devicePath()))
        return { { QStringLiteral("exchange: no pseudo-terminal"), 99.0, QStringLiteral("ratio"),
            0 } };

    const double read = readRatio(exchange);
    emulator.setFault(EmulatorFault::NoAnswer);
    const double idle = idleShare(exchange);
    exchange.stopLamp();
    DemoLine demo;
    const double demoRead = lineRatio(demo, DemoLine::Device);
    TcpEmulator bridge;
    TcpLine network;
    const double tcpRead = bridge.listen() ? lineRatio(network, bridge.url()) : 99.0;
    const QString ratio = QStringLiteral("ratio");
    return {
        { QStringLiteral("\"sr\" exchange time / wire time (77.9 ms)"), read, ratio, 1.10 },
        { QStringLiteral("CPU time / wall time, 3 s reply window running out"), idle, ratio, 0.01 },
        // Not faster than a controller either: users would learn wrong timings.
        { QStringLiteral("\"sr\" over the demo controller / over the emulator's pseudo-terminal"),
            demoRead / read, ratio, 1.05, 0.95 },
        { QStringLiteral("\"sr\" over TCP to the emulator on loopback / wire time"), tcpRead, ratio,
            1.10 },
    };
}
