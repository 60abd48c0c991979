#include "hosttexts.h"

namespace HostTexts {

namespace {
    Phrase said(const char* source) { return Phrase::of("HostTexts", source); }
}

Phrase noAdapterLine()
{
    return said(QT_TRANSLATE_NOOP(
        "HostTexts", "No USB-serial adapter is plugged in (Windows lists no COM port)."));
}

Phrase noAdapterFix()
{
    return said(QT_TRANSLATE_NOOP("HostTexts",
        "Plug it in; if it still does not appear, the Device Manager shows whether Windows has a "
        "driver for it."));
}

Phrase inUseFix(const QString&)
{
    return said(QT_TRANSLATE_NOOP("HostTexts",
        "Close the program that holds it; TZ586KV Link and tz586kv cannot use one port at once."));
}

Phrase portFailsFix()
{
    return said(QT_TRANSLATE_NOOP("HostTexts",
        "Check that it is the adapter's port; the Device Manager tells what Windows made of it."));
}

} // namespace HostTexts
