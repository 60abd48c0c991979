#pragma once

#include "controlleremulator.h"
#include "messageexchange.h"
#include "qtserialline.h"

#include <QStringList>
#include <memory>

// Keeps what the exchange shows, for the tests to look at.
class RecordingHost : public ExchangeHost {
public:
    void ShowMessage(const QString& text, uint32_t colour) override
    {
        messages.append(text);
        colours.append(colour);
    }
    void showBox(const QString& text, BoxIcon icon) override
    {
        boxes.append(QString::number(int(icon)) + u' ' + text);
    }
    void setLamp(uint32_t) override { }

    QStringList messages;
    QList<uint32_t> colours;
    QStringList boxes; // icon number, then the text
};

// An emulated controller on a real pseudo-terminal, with the exchange talking to it.
struct LinkBench {
    bool start() { return emulator.start() && line.open(emulator.devicePath()); }

    Tz586kvEmulator emulator;
    QtSerialLine line;
    RecordingHost host;
    MessageExchange exchange { line, host };
};
