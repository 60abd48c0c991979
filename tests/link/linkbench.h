#pragma once

#include "controlleremulator.h"
#include "demoline.h"
#include "messageexchange.h"
#include "qtserialline.h"
#include "tcpemulator.h"
#include "tcpline.h"

#include <QList>
#include <QTest>
#include <memory>

// The three lines a controller can be behind: the emulator on a real
// pseudo-terminal, the demo controller, the emulator behind a TCP port.
enum class LineKind { Pty, Demo, Tcp };
inline constexpr LineKind LineKinds[] { LineKind::Pty, LineKind::Demo, LineKind::Tcp };

inline const char* lineKindName(LineKind kind)
{
    return kind == LineKind::Pty ? "pty" : kind == LineKind::Demo ? "demo" : "tcp";
}

// A table of one row for each line, its column "kind".
inline void lineKindRows()
{
    QTest::addColumn<LineKind>("kind");
    for (LineKind kind : LineKinds)
        QTest::newRow(lineKindName(kind)) << kind;
}

// An emulated controller on one of the lines, with the exchange talking to
// it and the faults it announced kept for the tests to look at.
struct LinkBench {
    explicit LinkBench(LineKind kind = LineKind::Pty)
        : line(makeLine(kind))
    {
        QObject::connect(&exchange, &MessageExchange::faulted, &exchange,
            [this](ExchangeFault fault) { faults.append(fault); });
    }
    QString device() const { return pty ? pty->devicePath() : tcp ? tcp->url() : DemoLine::Device; }
    bool start()
    {
        return (pty ? pty->start() : tcp ? tcp->listen() : true) && line->open(device());
    }
    ControllerModel& model()
    {
        if (pty)
            return pty->model();
        if (tcp)
            return tcp->model();
        return static_cast<DemoLine&>(*line).model();
    }

    std::unique_ptr<Tz586kvEmulator> pty;
    std::unique_ptr<TcpEmulator> tcp;
    std::unique_ptr<SerialLine> line;
    MessageExchange exchange { *line };
    QList<ExchangeFault> faults;

private:
    std::unique_ptr<SerialLine> makeLine(LineKind kind)
    {
        switch (kind) {
        case LineKind::Pty:
            pty = std::make_unique<Tz586kvEmulator>();
            return std::make_unique<QtSerialLine>();
        case LineKind::Tcp:
            tcp = std::make_unique<TcpEmulator>();
            return std::make_unique<TcpLine>();
        case LineKind::Demo:
            break;
        }
        return std::make_unique<DemoLine>();
    }
};
