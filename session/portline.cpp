#include "portline.h"

PortLine::PortLine(QObject* parent)
    : SerialLine(parent)
{
    for (SerialLine* line : { static_cast<SerialLine*>(&m_serial),
             static_cast<SerialLine*>(&m_demo), static_cast<SerialLine*>(&m_network) }) {
        connect(line, &SerialLine::readyRead, this, [this, line] {
            if (line == m_current)
                emit readyRead();
        });
        connect(line, &SerialLine::lost, this, [this, line] {
            if (line == m_current)
                emit lost();
        });
    }
}

bool PortLine::open(const QString& device)
{
    const PortName name = PortName::ofDevice(device);
    m_kind = name.kind();
    m_nameError = name.errorPhrase();
    switch (m_kind) {
    case PortName::Kind::Demo:
        take(m_demo);
        return m_demo.open(name.device());
    case PortName::Kind::Network:
        take(m_network);
        return m_network.open(name.host(), name.port());
    case PortName::Kind::Serial:
        take(m_serial);
        return m_serial.open(name.device());
    case PortName::Kind::None:
    case PortName::Kind::Invalid:
        break;
    }
    m_current->close();
    return false;
}

SerialLine::OpenFailure PortLine::lastOpenFailure() const
{
    return m_nameError.isEmpty() ? m_current->lastOpenFailure() : OpenFailure::NoDevice;
}

Phrase PortLine::openFailurePhrase() const
{
    return m_nameError.isEmpty() ? m_current->openFailurePhrase() : m_nameError;
}

void PortLine::take(SerialLine& line)
{
    if (m_current != &line)
        m_current->close();
    m_current = &line;
}
