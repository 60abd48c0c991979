#pragma once

#include "emulatorfault.h"
#include "receivedchunk.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

// What a TZ586KV controller does with the characters it receives: the
// commands, their replies at the pace of 9600 bit/s with odd parity (11 bits
// a character), its setting image and run log, and the ways it can misbehave.
// Whoever carries the line feeds receive() and sends on what transmit() gives.
class ControllerModel : public QObject {
    Q_OBJECT
public:
    static constexpr double CharMs = 11.0 * 1000.0 / 9600.0;
    static constexpr int ImageLength = 64;
    static constexpr int LogSamples = 512;
    static constexpr int LogLength = LogSamples * 4;

    static QByteArray defaultImage();
    // A flight on a 4-cell pack of 25 mΩ: sagging under load, the last samples
    // missing. Flights 1 to 3 after it differ, the fourth is the first again.
    static QByteArray defaultLog(int flight = 0);

    explicit ControllerModel(QObject* parent = nullptr);

    void setFault(EmulatorFault fault) { m_fault = fault; }
    EmulatorFault fault() const { return m_fault; }
    // Multiplies the controller's own waits ("ae", "be", late replies), not its pace.
    void setDelayScale(double scale) { m_delayScale = scale; }

    QByteArray image() const { return m_image; }
    void setImage(const QByteArray& image) { m_image = image; }
    // 512 groups of four hex digits: voltage byte, then current byte.
    QByteArray log() const { return m_log; }
    void setLog(const QByteArray& log) { m_log = log; }

    // The latest chunks that arrived, up to a thousand.
    QList<ReceivedChunk> received() const { return m_received; }
    QByteArray receivedBytes() const;
    void clearReceived() { m_received.clear(); }
    bool isSending() const { return !m_out.isEmpty() || m_pendingReplies > 0; }

    // Characters that arrived on the line.
    void receive(const QByteArray& data);
    // Puts text on the line unasked, all at once, as if it had been on its way.
    void sendNow(const QByteArray& text) { emit transmit(text); }
    // The line went away: what was on its way, or half received, is dropped.
    void dropLine();

signals:
    // Characters leaving the controller, when their time on the wire is up.
    void transmit(const QByteArray& data);
    void commandReceived(const QByteArray& command);
    void replySent();
    // The pull-plug fault struck halfway through a reply: the carrier must
    // take the line away.
    void plugPulled();

private:
    void takeCommandByte(char c);
    void handleCommand(const QByteArray& command);
    void imageReceived();
    QByteArray settingReply() const;
    QByteArray logReply() const;
    QByteArray withPayloadFault(QByteArray payload, int nonHexAt) const;
    void reply(const QByteArray& text, int thinkMs, int lateMs);
    void enqueue(const QByteArray& text);
    void paceTick();

    EmulatorFault m_fault = EmulatorFault::None;
    double m_delayScale = 1.0;
    QByteArray m_image;
    QByteArray m_log;
    QList<ReceivedChunk> m_received;
    QElapsedTimer m_clock;

    QByteArray m_command;
    int m_imageRemaining = 0;
    QByteArray m_newImage;

    QTimer m_paceTimer;
    QByteArray m_out;
    double m_nextCharNs = 0;
    int m_pullAfter = -1; // characters still to send before the plug comes out
    int m_pendingReplies = 0;
    quint64 m_generation = 0; // replies scheduled before the line went are dropped
};
