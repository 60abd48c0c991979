#pragma once

#include "netsocket.h"
#include "serialline.h"

#include <optional>

class QDeadlineTimer;
class QSocketNotifier;

// The line to a controller on another machine's serial port, through a
// serial bridge's raw TCP port (ser2net and the like).
// It behaves as a local port would: a connection that does not come within
// ConnectMs fails to open, a dropped one is lost, and what arrives between
// exchanges can be discarded. Plain sockets, so that the programs need no
// network library besides Qt Core.
class TcpLine : public SerialLine {
    Q_OBJECT
public:
    static constexpr int ConnectMs = 3000;

    explicit TcpLine(QObject* parent = nullptr);
    ~TcpLine() override;

    bool open(const QString& host, quint16 port);
    // device: "tcp://HOST:PORT" as the session's port name writes it.
    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    QByteArray readAll() override;
    void discardInput() override;
    bool write(const QByteArray& data) override;
    OpenFailure lastOpenFailure() const override { return m_lastFailure; }
    Phrase openFailurePhrase() const override { return m_failure; }

private:
    bool connectTo(const QString& host, quint16 port);
    static std::optional<QList<NetSocket::Address>> lookUp(
        const QString& host, quint16 port, const QDeadlineTimer& deadline);
    std::optional<int> awaitConnect(const QDeadlineTimer& deadline);
    void fail(OpenFailure failure, const Phrase& text);
    void watch();
    void release();
    bool pull(QByteArray* into, qsizetype limit);
    void resumeReading();
    bool flush();
    void onReadable();
    void onDropped();

    NetSocket::Handle m_socket = NetSocket::Invalid;
    QSocketNotifier* m_readable = nullptr;
    QSocketNotifier* m_writable = nullptr;
    QByteArray m_incoming;
    QByteArray m_outgoing;
    QString m_host;
    quint16 m_port = 0;
    bool m_open = false;
    OpenFailure m_lastFailure = OpenFailure::None;
    Phrase m_failure;
};
