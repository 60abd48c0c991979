#include "portline.h"

PortLine::Kind PortLine::kindOf(const QString& device)
{
    if (DemoLine::isDemoDevice(device))
        return Kind::Demo;
    return TcpLine::isNetworkDevice(device) ? Kind::Network : Kind::Serial;
}

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
    m_kind = kindOf(device);
    SerialLine& line = m_kind == Kind::Demo ? static_cast<SerialLine&>(m_demo)
        : m_kind == Kind::Network           ? static_cast<SerialLine&>(m_network)
                                            : static_cast<SerialLine&>(m_serial);
    take(line);
    return line.open(device);
}

void PortLine::take(SerialLine& line)
{
    if (m_current != &line)
        m_current->close();
    m_current = &line;
}
