#include "logreply.h"

#include "conversions.h"
#include "numbertext.h"

namespace {

using NumberText::hexDigit;

// The byte at 0-based index pos, or -1 when the reply is too short there or
// a character is not a hex digit.
int byteAt(QStringView buf, qsizetype pos)
{
    if (pos + 1 >= buf.size())
        return -1;
    const int hi = hexDigit(buf[pos]);
    const int lo = hexDigit(buf[pos + 1]);
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

bool isSample(int raw) { return raw >= 0 && raw != 0xFF; }

} // namespace

void decodeLogReply(QStringView reply, SampleStore& store)
{
    for (int n = 1; n <= SampleStore::Count; ++n) {
        const int volt = byteAt(reply, 4 * n - 2);
        const int cur = byteAt(reply, 4 * n);
        store.voltsAt(n) = isSample(volt)
            ? Conversions::RawToVolt(QStringLiteral("&H%1").arg(volt, 2, 16, QLatin1Char('0')))
            : SampleStore::Missing;
        store.ampsAt(n) = isSample(cur) ? Conversions::RawToCurrent(QString::number(cur))
                                        : SampleStore::Missing;
    }
    store.held = true;
}
