#include "hosttexts.h"

namespace HostTexts {

namespace {
    Phrase said(const char* source) { return Phrase::of("HostTexts", source); }
}

Phrase noAdapterLine()
{
    return said(QT_TRANSLATE_NOOP(
        "HostTexts", "No USB-serial adapter is plugged in (no /dev/ttyUSB* or /dev/ttyACM*)."));
}

Phrase noAdapterFix()
{
    return said(QT_TRANSLATE_NOOP("HostTexts",
        "Plug it in; if it still does not appear, dmesg tells whether the kernel saw it."));
}

Phrase inUseFix(const QString& device)
{
    return said(QT_TRANSLATE_NOOP("HostTexts",
                    "Close the program that holds it (fuser -v %1 names it); TZ586KV Link and "
                    "tz586kv cannot use one port at once."))
        .arg(device);
}

Phrase portFailsFix()
{
    return said(QT_TRANSLATE_NOOP("HostTexts",
        "Check that it is the adapter's device; dmesg tells what the kernel made of it."));
}

} // namespace HostTexts
