#pragma once

#include "doctor.h"

class MessageExchange;
class SerialLine;

// The doctor's question to the controller: opens the device on line, asks
// "sr" with its reply window (events run meanwhile, in a nested loop), and
// closes the line again.
class ControllerQuestion {
public:
    explicit ControllerQuestion(SerialLine& line)
        : m_line(line)
    {
    }

    Doctor::ControllerAnswer ask(const QString& device);
    // From an event handler while ask() waits, or before it: it ends at once
    // with NotAsked.
    void stop();
    bool stopped() const { return m_stopped; }

private:
    SerialLine& m_line;
    MessageExchange* m_exchange = nullptr;
    bool m_stopped = false;
};
