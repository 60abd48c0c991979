#pragma once

#include "emulatorfault.h"
#include "receivedchunk.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class PseudoTerminal;

// A TZ586KV controller behind a pseudo-terminal, answering at the pace of
// 9600 bit/s with odd parity (11 bits a character).
class Tz586kvEmulator : public QObject {
    Q_OBJECT
public:
    static constexpr double CharMs = 11.0 * 1000.0 / 9600.0;
    static constexpr int ImageLength = 64;
    static constexpr int LogSamples = 512;
    static constexpr int LogLength = LogSamples * 4;

    static QByteArray defaultImage();
    static QByteArray defaultLog();

    explicit Tz586kvEmulator(QObject* parent = nullptr);
    ~Tz586kvEmulator() override;

    // Opens the pseudo-terminal; linkPath, when given, is kept as a symbolic
    // link to it (an existing file there that is no link is left alone).
    bool start(const QString& linkPath = {});
    QString devicePath() const;
    QString linkPath() const { return m_linkPath; }

    void setFault(EmulatorFault fault) { m_fault = fault; }
    EmulatorFault fault() const { return m_fault; }
    // Multiplies the emulator's own waits ("ae", "be", late replies), not its pace.
    void setDelayScale(double scale) { m_delayScale = scale; }

    QByteArray image() const { return m_image; }
    void setImage(const QByteArray& image) { m_image = image; }
    // 512 groups of four hex digits: voltage byte, then current byte.
    QByteArray log() const { return m_log; }
    void setLog(const QByteArray& log) { m_log = log; }

    QList<ReceivedChunk> received() const { return m_received; }
    QByteArray receivedBytes() const;
    void clearReceived() { m_received.clear(); }
    bool isSending() const { return !m_out.isEmpty() || m_pendingReplies > 0; }

    // Puts text on the line unasked, all at once, as if it had been on its way.
    bool writeNow(const QByteArray& text);

    // Closes the pseudo-terminal, so that the program's port errors out.
    void pullPlug();
    // A new pseudo-terminal (its path may differ; the link follows it).
    bool plugIn();
    bool isPluggedIn() const;

signals:
    void commandReceived(const QByteArray& command);
    void replySent();
    void plugPulled();

private:
    void onReceived(const QByteArray& data);
    void takeCommandByte(char c);
    void handleCommand(const QByteArray& command);
    void imageReceived();
    QByteArray settingReply() const;
    QByteArray logReply() const;
    QByteArray withPayloadFault(QByteArray payload, int nonHexAt) const;
    void reply(const QByteArray& text, int thinkMs, int lateMs);
    void enqueue(const QByteArray& text);
    void paceTick();
    bool updateLink();

    PseudoTerminal* m_pty = nullptr;
    QString m_linkPath;
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
    quint64 m_generation = 0; // replies scheduled before a pull are dropped
};
