#pragma once

#include "operation.h"

#include <QObject>
#include <QString>

class MessageExchange;
class SettingValues;
struct SampleStore;

// The five operations on the controller: each runs from start to end inside
// run(), events running while it waits, and says how it ended. The setting
// values and the sample store receive what the controller sends.
class DeviceOperations : public QObject {
    Q_OBJECT
public:
    DeviceOperations(MessageExchange& exchange, SettingValues& values, SampleStore& store,
        QObject* parent = nullptr);

    Outcome run(Command command);
    bool isRunning() const { return m_running; }

signals:
    // A setting image came from the controller (read) or went to it (written).
    void imageRead(const QString& image);
    void imageWritten(const QString& image);

private:
    void read();
    void write();
    void defaultWrite();
    void get();
    void clear();
    // A read that fills the controller image; false when none came.
    bool readImage();
    // A read whose failure ends the operation, even one the exchange let pass.
    bool readOrFail();
    void showControllerImage();
    void fail(Outcome outcome) { m_outcome = outcome; }

    MessageExchange& m_exchange;
    SettingValues& m_values;
    SampleStore& m_store;
    Outcome m_outcome = Outcome::Completed;
    bool m_running = false;
};
