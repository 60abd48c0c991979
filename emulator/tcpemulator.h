#pragma once

#include "controllermodel.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A TZ586KV controller behind a serial bridge's raw TCP port: one client at
// a time, bytes passed through unchanged. The pull-plug fault drops the
// connection; the port keeps listening.
class TcpEmulator : public QObject {
    Q_OBJECT
public:
    explicit TcpEmulator(QObject* parent = nullptr);
    ~TcpEmulator() override;

    // Port 0 picks a free one.
    bool listen(const QHostAddress& address = QHostAddress::LocalHost, quint16 port = 0);
    void close() { m_server.close(); }
    quint16 port() const { return m_server.serverPort(); }
    // tcp://host:port
    QString url() const;

    ControllerModel& model() { return m_model; }
    bool hasClient() const { return m_client != nullptr; }
    // Drops the connection at once, as a bridge that loses its serial port would.
    void dropClient();
    // Sends every reply one byte per write, so that it arrives in pieces.
    void setSplitWrites(bool split) { m_split = split; }

signals:
    void clientDropped();

private:
    void onNewConnection();
    void send(const QByteArray& data);

    ControllerModel m_model;
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    bool m_split = false;
};
