#pragma once

#include "systemprobe.h"

// The probe of the machine the program runs on.
class HostProbe : public SystemProbe {
public:
    QString userName() const override;
    QStringList sessionGroups() const override;
    QStringList accountGroups() const override;
    QString ownerGroup(const QString& device) const override;
    bool packageInstalled(const QString& name) const override;
    bool processRunning(const QString& name) const override;
    QStringList serialDevices() const override;
    QMap<QString, QString> adapterNames() const override;
    QString resolved(const QString& device) const override;
    SerialLine::OpenFailure openFailure(const QString& device) const override;
#ifdef Q_OS_WIN
    QList<AdapterDevice> adapterDevices() const override;
#endif
};
