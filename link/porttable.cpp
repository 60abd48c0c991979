#include "porttable.h"

QString portDevice(int portNo, const PortOverrides& overrides)
{
    const QString named = overrides.value(portNo).trimmed();
    if (!named.isEmpty() && portNo >= 1 && portNo <= 16)
        return named;
#ifdef Q_OS_WIN
    if (portNo < 1 || portNo > 255)
        return {};
    return QStringLiteral("COM%1").arg(portNo);
#else
    if (portNo < 1 || portNo > 16)
        return {};
    if (portNo <= 4)
        return QStringLiteral("/dev/ttyUSB%1").arg(portNo - 1);
    if (portNo <= 8)
        return QStringLiteral("/dev/ttyACM%1").arg(portNo - 5);
    return QStringLiteral("/dev/ttyS%1").arg(portNo - 9);
#endif
}
