// The probe on Windows: no groups, packages or daemons stand between the
// user and a port there, so only the ports themselves are looked at.
#include "hostprobe.h"

#include "portline.h"

#include <QSerialPortInfo>

QString HostProbe::userName() const { return qEnvironmentVariable("USERNAME"); }

QStringList HostProbe::sessionGroups() const { return {}; }

QStringList HostProbe::accountGroups() const { return {}; }

QString HostProbe::ownerGroup(const QString&) const { return {}; }

bool HostProbe::packageInstalled(const QString&) const { return false; }

bool HostProbe::processRunning(const QString&) const { return false; }

QStringList HostProbe::serialDevices() const
{
    QStringList names;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        names.append(port.portName());
    return names;
}

QMap<QString, QString> HostProbe::adapterNames() const { return QtSerialLine::adapterNames(); }

QString HostProbe::resolved(const QString& device) const { return device.toUpper(); }

SerialLine::OpenFailure HostProbe::openFailure(const QString& device) const
{
    PortLine line;
    if (!line.open(device))
        return line.lastOpenFailure();
    line.close();
    return SerialLine::OpenFailure::None;
}
