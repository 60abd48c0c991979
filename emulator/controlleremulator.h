#pragma once

#include "controllermodel.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class PseudoTerminal;

// A TZ586KV controller behind a pseudo-terminal.
class Tz586kvEmulator : public QObject {
    Q_OBJECT
public:
    static constexpr double CharMs = ControllerModel::CharMs;
    static constexpr int ImageLength = ControllerModel::ImageLength;
    static constexpr int LogLength = ControllerModel::LogLength;

    static QByteArray defaultImage() { return ControllerModel::defaultImage(); }
    static QByteArray defaultLog() { return ControllerModel::defaultLog(); }

    explicit Tz586kvEmulator(QObject* parent = nullptr);
    ~Tz586kvEmulator() override;

    // Opens the pseudo-terminal; linkPath, when given, is kept as a symbolic
    // link to it (an existing file there that is no link is left alone).
    bool start(const QString& linkPath = {});
    QString devicePath() const;
    QString linkPath() const { return m_linkPath; }

    ControllerModel& model() { return m_model; }
    const ControllerModel& model() const { return m_model; }
    void setFault(EmulatorFault fault) { m_model.setFault(fault); }
    EmulatorFault fault() const { return m_model.fault(); }
    void setDelayScale(double scale) { m_model.setDelayScale(scale); }
    QByteArray image() const { return m_model.image(); }
    void setImage(const QByteArray& image) { m_model.setImage(image); }
    QByteArray log() const { return m_model.log(); }
    void setLog(const QByteArray& log) { m_model.setLog(log); }
    QList<ReceivedChunk> received() const { return m_model.received(); }
    QByteArray receivedBytes() const { return m_model.receivedBytes(); }
    void clearReceived() { m_model.clearReceived(); }
    bool isSending() const { return m_model.isSending(); }

    // Puts text on the line unasked, all at once, as if it had been on its way.
    bool writeNow(const QByteArray& text);

    // Closes the pseudo-terminal, so that the program's port errors out.
    void pullPlug();
    // A new pseudo-terminal (its path may differ; the link follows it).
    bool plugIn();
    bool isPluggedIn() const;

signals:
    void plugPulled();

private:
    bool updateLink();

    ControllerModel m_model;
    PseudoTerminal* m_pty = nullptr;
    QString m_linkPath;
};
