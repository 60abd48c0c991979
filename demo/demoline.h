#pragma once

#include "controllermodel.h"
#include "serialline.h"

#include <QList>

// The demo controller: a controller in the program itself that answers as a
// real one does and at its pace. Its settings last for the run, so what one
// Write leaves the next Read finds; after each log read it flies another
// flight, until Clear empties the log. Nothing touches a device.
class DemoLine : public SerialLine {
    Q_OBJECT
public:
    static const QString Device; // "demo"

    // The ways the user may make it fail, as the Demo menu lists them; the
    // first one is to answer properly again.
    struct FaultChoice {
        EmulatorFault fault;
        QString text;
    };
    static QList<FaultChoice> faultChoices();

    explicit DemoLine(QObject* parent = nullptr);

    // Whatever device is named: the port's name chose this line already.
    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    QByteArray readAll() override;
    void discardInput() override { m_input.clear(); }
    bool write(const QByteArray& data) override;

    // Every exchange from now on fails this way, until another is chosen or
    // the line closes: the demo controller connects anew answering properly.
    void setFault(EmulatorFault fault) { m_model.setFault(fault); }
    EmulatorFault fault() const { return m_model.fault(); }
    ControllerModel& model() { return m_model; }

private:
    void onTransmit(const QByteArray& data);
    void onPlugPulled();

    ControllerModel m_model;
    QByteArray m_input;
    bool m_open = false;
    int m_flight = 0; // of the log it holds
};
