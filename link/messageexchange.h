#pragma once

#include "operation.h"
#include "serialline.h"
#include "settingreply.h"

#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>
#include <optional>

class QEventLoop;

// One conversation with the controller at a time: send a command, then wait,
// with events running, for its terminator or the end of its reply window.
// Also the setting read, the busy lamp and the delay that every operation uses.
class MessageExchange : public QObject {
    Q_OBJECT
public:
    static constexpr int LampBlinkMs = 100;

    struct Reply {
        QString text; // what arrived, terminator included
        std::optional<ExchangeFault> fault;
        bool ok() const { return !fault; }
    };

    explicit MessageExchange(SerialLine& line, QObject* parent = nullptr);

    // Every failure is also announced by faulted() the moment it happens.
    // Throws OperationAborted when the program ends during the wait.
    Reply send(const QString& command, const QString& terminator);
    // "sr": nothing unless a whole 68-character reply holding an image came.
    std::optional<SettingReply> readSettings();
    // Waits at least the given time (scaled by the time base), events running.
    void delay(double seconds);
    void stopLamp();

    static int replyWindowMs(QStringView command);
    // Multiplies every reply window and delay (tests shorten them).
    void setTimeScale(double scale) { m_timeScale = scale; }

    // The program is ending: every wait, now or later, throws OperationAborted.
    void abort();
    bool aborted() const { return m_aborted; }
    bool isWaiting() const { return m_loop != nullptr; }

signals:
    void faulted(ExchangeFault fault);
    void lampChanged(Lamp lamp);

private:
    void onReadyRead();
    bool overlong() const;
    void onReplyWindowEnd();
    void onLineLost();
    void blink();
    void waitOnce();
    Reply fail(Reply reply, ExchangeFault fault);
    void setLamp(Lamp lamp);
    void throwIfAborted() const;

    SerialLine& m_line;
    QTimer m_replyWindow;
    QTimer m_blink;
    QString m_received;
    double m_timeScale = 1.0;
    bool m_aborted = false;
    bool m_sending = false;
    bool m_timedOut = false;
    QEventLoop* m_loop = nullptr;
    Lamp m_lamp = Lamp::Idle;
};
