#pragma once

#include "demoline.h"
#include "qtserialline.h"
#include "serialline.h"
#include "tcpline.h"

// The line behind whatever the port names: a serial device, "demo" for the
// demo controller, or "tcp://HOST:PORT" for a serial bridge. The window and
// the command-line program both talk through it; the demo controller lives as
// long as it does, so that its settings last for the run.
class PortLine : public SerialLine {
    Q_OBJECT
public:
    enum class Kind { Serial, Demo, Network };
    static Kind kindOf(const QString& device);

    explicit PortLine(QObject* parent = nullptr);

    bool open(const QString& device) override;
    void close() override { m_current->close(); }
    bool isOpen() const override { return m_current->isOpen(); }
    QByteArray readAll() override { return m_current->readAll(); }
    void discardInput() override { m_current->discardInput(); }
    bool write(const QByteArray& data) override { return m_current->write(data); }
    OpenFailure lastOpenFailure() const override { return m_current->lastOpenFailure(); }
    QString openFailureText() const override { return m_current->openFailureText(); }

    // What the line last opened, or tried to.
    Kind kind() const { return m_kind; }
    bool demoOpen() const { return m_kind == Kind::Demo && isOpen(); }
    DemoLine& demo() { return m_demo; }

private:
    void take(SerialLine& line);

    QtSerialLine m_serial;
    DemoLine m_demo;
    TcpLine m_network;
    SerialLine* m_current = &m_serial;
    Kind m_kind = Kind::Serial;
};
