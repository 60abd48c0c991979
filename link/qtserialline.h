#pragma once

#include "serialline.h"

#include <QMap>
#include <QSerialPort>

// The serial line on a QSerialPort.
class QtSerialLine : public SerialLine {
    Q_OBJECT
public:
    explicit QtSerialLine(QObject* parent = nullptr);
    ~QtSerialLine() override;

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    QByteArray readAll() override;
    void discardInput() override;
    bool write(const QByteArray& data) override;
    OpenFailure lastOpenFailure() const override { return m_lastFailure; }

    // The description of each serial device the system knows ("USB Serial
    // Port", "FT232R USB UART"), by its device path or, on Windows, its name.
    static QMap<QString, QString> adapterNames();

    const QSerialPort& port() const { return m_port; }
    QString errorString() const { return m_port.errorString(); }

private:
    void onError(QSerialPort::SerialPortError error);
    OpenFailure failureOf(const QString& device) const;

    QSerialPort m_port;
    OpenFailure m_lastFailure = OpenFailure::None;
};
