#pragma once

#include "console.h"
#include "deviceoperations.h"
#include "exitcode.h"
#include "historyrecorder.h"
#include "messageexchange.h"
#include "portline.h"
#include "samplestore.h"
#include "settingvalues.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

struct CliContext;

// Counts what arrives in the current exchange, for a progress line.
class CountingLine : public PortLine {
    Q_OBJECT
public:
    using PortLine::PortLine;

    QByteArray readAll() override;
    void discardInput() override;
    bool write(const QByteArray& data) override;
    void setOnReceived(std::function<void(qsizetype)> onReceived)
    {
        m_onReceived = std::move(onReceived);
    }
    // Called with each command as it goes out ("sr", "sw", ...).
    void setOnCommand(std::function<void(const QString&)> onCommand)
    {
        m_onCommand = std::move(onCommand);
    }

private:
    qsizetype m_received = 0;
    std::function<void(qsizetype)> m_onReceived;
    std::function<void(const QString&)> m_onCommand;
};

// One command's use of the controller: the window's exchange and operations
// on the chosen port, their failures said on standard error in the window's
// words. The port closes with the session.
class DeviceSession : public QObject {
    Q_OBJECT
public:
    explicit DeviceSession(CliContext& context);
    ~DeviceSession() override;

    // Done, or PortUnavailable with the reason said.
    ExitCode open();
    // One operation, as the window runs it: Done, or the exit code of how it
    // ended, said on standard error; PortUnavailable when the line was lost.
    ExitCode run(Command command);

    SettingValues& values() { return m_values; }
    const SampleStore& store() const { return m_store; }
    DeviceOperations& operations() { return m_operations; }
    CountingLine& line() { return m_line; }

    // The exit code an outcome ends with.
    static ExitCode exitCodeOf(Outcome outcome);

    // "Dead Band: 60 is outside 2..50": why values may not be written.
    QString invalidValueText() const;

private:
    // An error, once however often it comes.
    void say(const Say& text);

    CliContext& m_context;
    CountingLine m_line;
    MessageExchange m_exchange;
    SettingValues m_values;
    SampleStore m_store;
    HistoryRecorder m_recorder;
    DeviceOperations m_operations;
    QStringList m_said;
    bool m_lost = false;
};
