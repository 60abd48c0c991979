#pragma once

#include "serialline.h"

#include <QTcpSocket>

// The line to a controller on another machine's serial port, through a
// serial bridge's raw TCP port (ser2net and the like): "tcp://HOST:PORT".
// It behaves as a local port would: a connection that does not come within
// ConnectMs fails to open, a dropped one is lost, and what arrives between
// exchanges can be discarded.
class TcpLine : public SerialLine {
    Q_OBJECT
public:
    static constexpr int ConnectMs = 3000;
    static bool isNetworkDevice(const QString& device);

    explicit TcpLine(QObject* parent = nullptr);
    ~TcpLine() override;

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    QByteArray readAll() override;
    void discardInput() override;
    bool write(const QByteArray& data) override;
    OpenFailure lastOpenFailure() const override { return m_lastFailure; }
    QString openFailureText() const override { return m_failureText; }

private:
    bool connectTo(const QString& host, quint16 port);
    void fail(OpenFailure failure, const QString& text);
    void onDropped();

    QTcpSocket m_socket;
    QString m_device;
    bool m_open = false;
    OpenFailure m_lastFailure = OpenFailure::None;
    QString m_failureText;
};
