#pragma once

#include "demoline.h"
#include "portname.h"
#include "qtserialline.h"
#include "serialline.h"
#include "tcpline.h"

// The line behind whatever the port names (see PortName): a serial device,
// the demo controller, or a serial bridge. The window and the command-line
// program both talk through it; the demo controller lives as long as it
// does, so that its settings last for the run.
class PortLine : public SerialLine {
    Q_OBJECT
public:
    explicit PortLine(QObject* parent = nullptr);

    // device: as PortName::device() gives it. A name that does not read
    // fails as NoDevice, with what is wrong with it as the text.
    bool open(const QString& device) override;
    void close() override { m_current->close(); }
    bool isOpen() const override { return m_current->isOpen(); }
    QByteArray readAll() override { return m_current->readAll(); }
    void discardInput() override { m_current->discardInput(); }
    bool write(const QByteArray& data) override { return m_current->write(data); }
    OpenFailure lastOpenFailure() const override;
    Phrase openFailurePhrase() const override;

    // What the line last opened, or tried to.
    PortName::Kind kind() const { return m_kind; }
    bool demoOpen() const { return m_kind == PortName::Kind::Demo && isOpen(); }
    DemoLine& demo() { return m_demo; }

private:
    void take(SerialLine& line);

    QtSerialLine m_serial;
    DemoLine m_demo;
    TcpLine m_network;
    SerialLine* m_current = &m_serial;
    PortName::Kind m_kind = PortName::Kind::Serial;
    Phrase m_nameError; // of the name last given, when it did not read
};
