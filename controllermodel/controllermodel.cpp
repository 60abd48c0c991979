#include "controllermodel.h"

#include <array>
#include <cmath>

namespace {
constexpr double CharNs = ControllerModel::CharMs * 1e6;
constexpr int DefaultWriteMs = 1000;
constexpr int EraseMs = 200;
constexpr int ModelAt = 58;
constexpr int RomVersionAt = 60;
constexpr char Cr = '\r';
// The demo controller lives as long as the program: only the latest are kept.
constexpr qsizetype ChunksKept = 1000;

// Past the program's reply window for the command.
int lateMs(const QByteArray& command)
{
    if (command == "ae" || command == "be")
        return 12500;
    if (command == "br")
        return 10500;
    return 3500;
}

QByteArray hexByte(int value)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(2, '0');
}
}

QByteArray ControllerModel::defaultImage()
{
    return QByteArrayLiteral("E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504");
}

QByteArray ControllerModel::defaultLog(int flight)
{
    // A 4-cell LiPo of 25 mΩ: 16.6 V at rest, then throttle steps of 60 A and
    // more every 8 s, sagging by I·R while the pack slowly runs down; the last
    // samples and a few current readings never got written. A later flight
    // starts a little less charged and warmer, with the throttle further on.
    constexpr std::array<double, 8> Levels { 20, 90, 30, 110, 50, 120, 40, 100 }; // A
    const int later = flight % 4;
    const double ohms = 0.025 + 0.002 * later;
    const double full = 16.6 - 0.1 * later;
    constexpr double VoltPerRaw = 3.0 * 66 / 2550;
    constexpr double AmpPerRaw = 3 / 0.00625 / 255;
    QByteArray log;
    for (int n = 0; n < LogSamples; ++n) {
        const double amps = n < 12 ? 0 : Levels[size_t(((n - 12) / 8 + later) % 8)];
        const double open = full - 1.5 * n / LogSamples;
        if (n >= 500) {
            log += "FFFF";
            continue;
        }
        log += hexByte(int(std::lround((open - amps * ohms) / VoltPerRaw)));
        log += (n % 97 == 50) ? QByteArrayLiteral("FF")
                              : hexByte(int(std::lround(amps / AmpPerRaw)));
    }
    return log;
}

ControllerModel::ControllerModel(QObject* parent)
    : QObject(parent)
    , m_image(defaultImage())
    , m_log(defaultLog())
{
    m_clock.start();
    m_paceTimer.setTimerType(Qt::PreciseTimer);
    m_paceTimer.setInterval(1);
    connect(&m_paceTimer, &QTimer::timeout, this, &ControllerModel::paceTick);
}

QByteArray ControllerModel::receivedBytes() const
{
    QByteArray all;
    for (const auto& chunk : m_received)
        all += chunk.data;
    return all;
}

void ControllerModel::dropLine()
{
    ++m_generation;
    m_pendingReplies = 0;
    m_paceTimer.stop();
    m_out.clear();
    m_pullAfter = -1;
    m_command.clear();
    m_imageRemaining = 0;
}

void ControllerModel::receive(const QByteArray& data)
{
    if (m_received.size() >= ChunksKept)
        m_received.removeFirst();
    m_received.append({ m_clock.elapsed(), data });
    for (char c : data)
        takeCommandByte(c);
}

void ControllerModel::takeCommandByte(char c)
{
    if (m_imageRemaining > 0) {
        m_newImage += c;
        if (--m_imageRemaining == 0)
            imageReceived();
        return;
    }
    m_command += c;
    if (m_command.size() < 2)
        return;
    static const QByteArrayList known { "sr", "sw", "ae", "rt", "br", "be" };
    if (!known.contains(m_command)) {
        m_command.remove(0, 1); // resynchronise on the next character
        return;
    }
    const QByteArray command = m_command;
    m_command.clear();
    emit commandReceived(command);
    handleCommand(command);
}

void ControllerModel::handleCommand(const QByteArray& command)
{
    const int late = lateMs(command);
    if (command == "sr") {
        reply(settingReply(), 0, late);
    } else if (command == "sw") {
        m_imageRemaining = ImageLength;
        m_newImage.clear();
        reply("sw", 0, late);
    } else if (command == "ae") {
        m_image = defaultImage();
        reply(QByteArray(1, Cr), DefaultWriteMs, late);
    } else if (command == "rt") {
        reply("rt", 0, late);
    } else if (command == "br") {
        reply(logReply(), 0, late);
    } else if (command == "be") {
        m_log = QByteArray(LogLength, 'F');
        reply(QByteArray(1, Cr), EraseMs, late);
    }
}

void ControllerModel::imageReceived()
{
    if (m_fault != EmulatorFault::WriteNotSticking)
        m_image = m_newImage.toUpper();
    reply(m_newImage, 0, lateMs("sw"));
}

QByteArray ControllerModel::settingReply() const
{
    QByteArray image = m_image.leftJustified(ImageLength, '0', true);
    if (m_fault == EmulatorFault::Deleted)
        image.replace(ModelAt, 2, "FF");
    else if (m_fault == EmulatorFault::OtherModel)
        image.replace(ModelAt, 2, "03");
    else if (m_fault == EmulatorFault::LowerCase)
        image = image.toLower();
    return "sr" + withPayloadFault(image, RomVersionAt + 1) + "\n\r";
}

QByteArray ControllerModel::logReply() const
{
    return "br" + withPayloadFault(m_log.leftJustified(LogLength, 'F', true), 4) + Cr;
}

QByteArray ControllerModel::withPayloadFault(QByteArray payload, int nonHexAt) const
{
    switch (m_fault) {
    case EmulatorFault::ShortReply:
        payload.chop(1);
        break;
    case EmulatorFault::LongReply:
        payload.append('0');
        break;
    case EmulatorFault::NonHex:
        payload[nonHexAt] = 'G';
        break;
    default:
        break;
    }
    return payload;
}

void ControllerModel::reply(const QByteArray& text, int thinkMs, int lateMs)
{
    QByteArray out = text;
    switch (m_fault) {
    case EmulatorFault::NoAnswer:
        return;
    case EmulatorFault::NoTerminator:
        out.chop(1);
        break;
    case EmulatorFault::LateReply:
        thinkMs = std::max(thinkMs, lateMs);
        break;
    default:
        break;
    }
    const int delay = int(std::lround(thinkMs * m_delayScale));
    if (delay <= 0) {
        enqueue(out);
        return;
    }
    ++m_pendingReplies;
    const quint64 generation = m_generation;
    QTimer::singleShot(delay, Qt::PreciseTimer, this, [this, out, generation] {
        if (generation != m_generation)
            return;
        --m_pendingReplies;
        enqueue(out);
    });
}

void ControllerModel::enqueue(const QByteArray& text)
{
    if (text.isEmpty())
        return;
    if (m_out.isEmpty())
        m_nextCharNs = double(m_clock.nsecsElapsed()) + CharNs;
    if (m_fault == EmulatorFault::PullPlug && m_pullAfter < 0)
        m_pullAfter = int(m_out.size() + text.size() / 2);
    m_out += text;
    m_paceTimer.start();
}

void ControllerModel::paceTick()
{
    const double now = double(m_clock.nsecsElapsed());
    qsizetype due = 0;
    while (due < m_out.size() && m_nextCharNs <= now) {
        ++due;
        m_nextCharNs += CharNs;
    }
    if (m_pullAfter >= 0)
        due = std::min<qsizetype>(due, m_pullAfter);
    if (due > 0) {
        const QByteArray chars = m_out.left(due);
        m_out.remove(0, due);
        if (m_pullAfter >= 0)
            m_pullAfter -= int(due);
        emit transmit(chars);
    }
    if (m_pullAfter == 0) {
        dropLine();
        emit plugPulled();
        return;
    }
    if (m_out.isEmpty()) {
        m_paceTimer.stop();
        emit replySent();
    }
}
