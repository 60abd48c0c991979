#pragma once

#include "serialline.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A USB-serial adapter as Windows' Device Manager knows it, whether or not
// it has a port.
struct AdapterDevice {
    QString name; // as the Device Manager shows it
    QString port; // "COM5"; empty when its driver gives it none
    quint16 vendorId = 0;
    quint16 productId = 0;
    int problem = 0; // the Device Manager's problem code; 0 when it works
    QString driverProvider; // "FTDI"; empty without a driver
    QString driverVersion; // "2.12.36.4"
    int latencyMs = -1; // an FTDI driver's latency timer; -1 when it has none
};

// What the connection doctor asks of the machine. Tests answer with a fake.
class SystemProbe {
public:
    virtual ~SystemProbe() = default;

    virtual QString userName() const = 0;
    // Groups this process holds now; a login started before a group was
    // added lacks it.
    virtual QStringList sessionGroups() const = 0;
    // Groups the user database gives the user: what the next login holds.
    virtual QStringList accountGroups() const = 0;
    // Name of the group that owns the device node; empty when it is missing.
    virtual QString ownerGroup(const QString& device) const = 0;
    virtual bool packageInstalled(const QString& name) const = 0;
    virtual bool processRunning(const QString& name) const = 0;
    // The /dev/ttyUSB*, /dev/ttyACM* and /dev/serial/by-id/* that exist now.
    virtual QStringList serialDevices() const = 0;
    // The adapters' descriptions by device, as resolved() names them.
    virtual QMap<QString, QString> adapterNames() const { return {}; }
    // The node a link leads to; the path itself for anything else.
    virtual QString resolved(const QString& device) const = 0;
    // None when the device opened (it is closed again at once).
    virtual SerialLine::OpenFailure openFailure(const QString& device) const = 0;
    // The USB-serial adapters present; only Windows tells.
    virtual QList<AdapterDevice> adapterDevices() const { return {}; }
};
