#include "porttable.h"

#include "inifile.h"

QString PortDevice(int portNo, const IniFile* ini)
{
#ifdef Q_OS_WIN
    Q_UNUSED(ini);
    if (portNo < 1 || portNo > 255)
        return {};
    return QStringLiteral("COM%1").arg(portNo);
#else
    if (portNo < 1 || portNo > 16)
        return {};
    if (ini) {
        const QString named
            = ini->ReadIniKey(QStringLiteral("Ports"), QStringLiteral("Com%1").arg(portNo));
        if (named != QLatin1String("Error") && !named.trimmed().isEmpty())
            return named.trimmed();
    }
    if (portNo <= 4)
        return QStringLiteral("/dev/ttyUSB%1").arg(portNo - 1);
    if (portNo <= 8)
        return QStringLiteral("/dev/ttyACM%1").arg(portNo - 5);
    return QStringLiteral("/dev/ttyS%1").arg(portNo - 9);
#endif
}
