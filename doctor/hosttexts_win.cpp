#include "hosttexts.h"

namespace HostTexts {

QString noAdapterLine()
{
    return u"No USB-serial adapter is plugged in (Windows lists no COM port)."_qs;
}

QString noAdapterFix()
{
    return u"Plug it in; if it still does not appear, the Device Manager shows whether "
           u"Windows has a driver for it."_qs;
}

QString inUseFix(const QString&)
{
    return u"Close the program that holds it; TZ586KV Link and tz586kv cannot use one port "
           u"at once."_qs;
}

QString portFailsFix()
{
    return u"Check that it is the adapter's port; the Device Manager tells what Windows made "
           u"of it."_qs;
}

} // namespace HostTexts
