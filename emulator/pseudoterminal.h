#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The master side of a pseudo-terminal whose slave plays the serial port.
// A slave descriptor is kept open here so that the master neither hangs up
// nor loses its line settings while the program has the port closed.
class PseudoTerminal : public QObject {
    Q_OBJECT
public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    bool open();
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Raw, 9600 bit/s, 8 data bits, odd parity, 1 stop bit, no handshaking
    // (a Linux pseudo-terminal keeps 8 bits and drops the parity flag).
    bool restoreLineSettings();

    bool write(const QByteArray& data);

signals:
    void received(const QByteArray& data);

private:
    void readMaster();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QSocketNotifier* m_notifier = nullptr;
};
