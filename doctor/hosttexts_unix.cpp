#include "hosttexts.h"

namespace HostTexts {

QString noAdapterLine()
{
    return u"No USB-serial adapter is plugged in (no /dev/ttyUSB* or /dev/ttyACM*)."_qs;
}

QString noAdapterFix()
{
    return u"Plug it in; if it still does not appear, dmesg tells whether the kernel saw it."_qs;
}

QString inUseFix(const QString& device)
{
    return u"Close the program that holds it (fuser -v %1 names it); TZ586KV Link and "
           u"tz586kv cannot use one port at once."_qs.arg(device);
}

QString portFailsFix()
{
    return u"Check that it is the adapter's device; dmesg tells what the kernel made of it."_qs;
}

} // namespace HostTexts
