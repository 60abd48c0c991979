#pragma once

#include "exchangehost.h"

#include <QList>
#include <QString>

// Keeps what the exchange shows, for the tests to look at.
class RecordingHost : public ExchangeHost {
public:
    struct Box {
        QString text;
        BoxIcon icon = BoxIcon::Information;
    };
    struct Message {
        QString text;
        uint32_t colour = 0;
    };

    void ShowMessage(const QString& text, uint32_t colour) override
    {
        messages.append({ text, colour });
    }
    void showBox(const QString& text, BoxIcon icon) override { boxes.append({ text, icon }); }
    void setLamp(uint32_t colour) override { lamps.append(colour); }

    QList<Box> boxes;
    QList<Message> messages;
    QList<uint32_t> lamps;
};
