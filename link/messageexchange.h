#pragma once

#include "exchangehost.h"
#include "serialline.h"

#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>
#include <cstdint>

class QEventLoop;

// One conversation with the controller at a time: send a command, then wait,
// with events running, for its terminator or the end of its reply window.
// Also the setting read, the busy lamp and the delay that every operation uses.
class MessageExchange : public QObject {
    Q_OBJECT
public:
    static constexpr int ReplyLength = 68; // "sr", image, two closing characters
    static constexpr int LampBlinkMs = 100;
    static constexpr uint32_t LampDesign = 0x404000;

    MessageExchange(SerialLine& line, ExchangeHost& host, QObject* parent = nullptr);

    // The outcome is in RecvBuf, TimeOutFlag and ErrFlag. Throws
    // OperationAborted when the program ends during the wait.
    void SendCommand(const QString& command, const QString& terminator);
    // Reads the setting image into ReadData and RomVersion; true when one came.
    bool SetReadData();
    // Waits at least the given time (scaled by the time base), events running.
    void DelaySeconds(double seconds);
    void stopLamp();

    static int replyWindowMs(QStringView command);
    // Multiplies every reply window and delay (tests shorten them).
    void setTimeScale(double scale) { m_timeScale = scale; }
    double timeScale() const { return m_timeScale; }

    // The program is ending: every wait, now or later, throws OperationAborted.
    void abort();
    bool aborted() const { return m_aborted; }
    bool isWaiting() const { return m_loop != nullptr; }
    uint32_t lampColour() const { return m_lamp; }

    QString RecvBuf;
    QString ReadData;
    int RomVersion = -1;
    bool ErrFlag = false;
    bool TimeOutFlag = false;
    QTimer TmrComm;
    QTimer TmrLed;

private:
    void MSComm_OnComm();
    void TmrComm_Timer();
    void TmrLed_Timer();
    void onLineLost();
    void waitOnce();
    void fail(const QString& text, ExchangeHost::BoxIcon icon);
    void setLamp(uint32_t colour);
    void throwIfAborted() const;

    SerialLine& m_line;
    ExchangeHost& m_host;
    double m_timeScale = 1.0;
    bool m_aborted = false;
    bool m_sending = false;
    QEventLoop* m_loop = nullptr;
    uint32_t m_lamp = LampDesign;
};
