#pragma once

#include "controlleremulator.h"
#include "messageexchange.h"
#include "qtserialline.h"

#include <QList>

// An emulated controller on a real pseudo-terminal, with the exchange talking
// to it and the faults it announced kept for the tests to look at.
struct LinkBench {
    LinkBench()
    {
        QObject::connect(&exchange, &MessageExchange::faulted, &exchange,
            [this](ExchangeFault fault) { faults.append(fault); });
    }
    bool start() { return emulator.start() && line.open(emulator.devicePath()); }

    Tz586kvEmulator emulator;
    QtSerialLine line;
    MessageExchange exchange { line };
    QList<ExchangeFault> faults;
};
