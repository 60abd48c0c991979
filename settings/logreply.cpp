#include "logreply.h"

#include "conversions.h"
#include "numbertext.h"

namespace {

using NumberText::hexDigit;

constexpr qsizetype Prefix = 2;
constexpr qsizetype PayloadEnd = LogReplyLength - 1; // characters 3..2050, before the CR

// The byte at 0-based index pos; the caller has checked that both are digits.
int byteAt(QStringView buf, qsizetype pos)
{
    return hexDigit(buf[pos]) * 16 + hexDigit(buf[pos + 1]);
}

bool isWhole(QStringView buf)
{
    if (buf.size() < PayloadEnd)
        return false;
    for (qsizetype i = Prefix; i < PayloadEnd; ++i) {
        if (hexDigit(buf[i]) < 0)
            return false;
    }
    return true;
}

bool isSample(int raw) { return raw != 0xFF; }

} // namespace

bool decodeLogReply(QStringView reply, SampleStore& store)
{
    if (!isWhole(reply))
        return false;
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
    return true;
}
