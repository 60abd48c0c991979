#pragma once

#include "serialline.h"

#include <QMap>
#include <QString>
#include <QStringList>

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
};
