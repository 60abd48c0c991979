// The probe on Windows: no groups, packages or daemons stand between the
// user and a port there, so only the ports themselves are looked at.
#include "hostprobe.h"

#include "portline.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <optional>

#include <windows.h>

#include <cfgmgr32.h>
#include <setupapi.h>

namespace {

constexpr quint16 Ftdi = 0x0403;

// A device's property as text; the first of a list.
QString property(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD which)
{
    wchar_t text[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(set, &info, which, nullptr,
            reinterpret_cast<PBYTE>(text), sizeof(text) - sizeof(wchar_t), nullptr))
        return {};
    return QString::fromWCharArray(text);
}

QString registryText(HKEY key, const wchar_t* name)
{
    wchar_t text[256] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(text), &size)
            != ERROR_SUCCESS
        || type != REG_SZ)
        return {};
    return QString::fromWCharArray(text);
}

int registryNumber(HKEY key, const wchar_t* name)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size)
            != ERROR_SUCCESS
        || type != REG_DWORD)
        return -1;
    return int(value);
}

// Reads the device's own key (DIREG_DEV: its port, FTDI's settings) or its
// driver's (DIREG_DRV); a device without a driver has neither.
template <typename Read> void readKey(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD which, Read read)
{
    const HKEY key = SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, which, KEY_READ);
    if (key == reinterpret_cast<HKEY>(INVALID_HANDLE_VALUE))
        return;
    read(key);
    RegCloseKey(key);
}

// The chips of USB-serial adapters: FTDI, Prolific, Silicon Labs, WCH.
bool knownVendor(quint16 vendor)
{
    return vendor == Ftdi || vendor == 0x067B || vendor == 0x10C4 || vendor == 0x1A86;
}

std::optional<AdapterDevice> describe(HDEVINFO set, SP_DEVINFO_DATA& info)
{
    static const QRegularExpression ids(
        u"VID_([0-9A-F]{4}).*PID_([0-9A-F]{4})"_qs, QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = ids.match(property(set, info, SPDRP_HARDWAREID));
    AdapterDevice d;
    d.vendorId = match.captured(1).toUShort(nullptr, 16);
    d.productId = match.captured(2).toUShort(nullptr, 16);
    if (!match.hasMatch() || !knownVendor(d.vendorId))
        return std::nullopt;
    ULONG status = 0;
    ULONG problem = 0;
    if (CM_Get_DevNode_Status(&status, &problem, info.DevInst, 0) == CR_SUCCESS
        && (status & DN_HAS_PROBLEM))
        d.problem = int(problem);
    // An FTDI adapter is a USB device and a port below it: the port speaks
    // for both, unless the USB device itself fails.
    if (property(set, info, SPDRP_CLASS) != u"Ports"_qs && d.problem == 0)
        return std::nullopt;
    d.name = property(set, info, SPDRP_FRIENDLYNAME);
    if (d.name.isEmpty())
        d.name = property(set, info, SPDRP_DEVICEDESC);
    readKey(set, info, DIREG_DEV, [&d](HKEY key) {
        d.port = registryText(key, L"PortName");
        if (d.vendorId == Ftdi)
            d.latencyMs = registryNumber(key, L"LatencyTimer");
    });
    readKey(set, info, DIREG_DRV, [&d](HKEY key) {
        d.driverProvider = registryText(key, L"ProviderName");
        d.driverVersion = registryText(key, L"DriverVersion");
    });
    return d;
}

} // namespace

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

QString HostProbe::resolved(const QString& device) const
{
    // "\\.\COM23" is COM23 too.
    const QString name = device.toUpper();
    return name.startsWith(u"\\\\.\\"_qs) ? name.mid(4) : name;
}

SerialLine::OpenFailure HostProbe::openFailure(const QString& device) const
{
    PortLine line;
    if (!line.open(device))
        return line.lastOpenFailure();
    line.close();
    return SerialLine::OpenFailure::None;
}

QList<AdapterDevice> HostProbe::adapterDevices() const
{
    const HDEVINFO set
        = SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return {};
    QList<AdapterDevice> devices;
    SP_DEVINFO_DATA info {};
    info.cbSize = sizeof(info);
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &info); ++i) {
        if (const std::optional<AdapterDevice> device = describe(set, info))
            devices.append(*device);
    }
    SetupDiDestroyDeviceInfoList(set);
    return devices;
}
