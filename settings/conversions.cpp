#include "conversions.h"

#include "numbertext.h"

#include <cmath>

namespace Conversions {

namespace {
    QString roundedHex(double value)
    {
        const double r = NumberText::roundEven(value);
        return NumberText::hex(r <= 0 ? 0u : static_cast<uint32_t>(r));
    }
}

QString CurrentToHex(float amps)
{
    // The controller's byte was defined with the long expression, not 0.53125:
    // keep the operation order so that ties land where they always have.
    const double v = static_cast<double>(amps) * 0.00625 * 255 / 3;
    return roundedHex(v);
}

float RawToCurrent(QStringView raw)
{
    const double r = NumberText::leadingNumber(raw);
    const float a = static_cast<float>(r * 3 / 0.00625 / 255);
    return std::floor(a / 10.0f + 0.5f) * 10.0f;
}

QString VoltToHex(float volts)
{
    // Stored as a single before rounding: 3.3 V becomes exactly 42.5 there.
    const float v = static_cast<float>(static_cast<double>(volts) / 66 * 10 * 255 / 3);
    return roundedHex(v);
}

float RawToVolt(QStringView raw)
{
    const double r = NumberText::leadingNumber(raw);
    return NumberText::fixed1(r * 3 * 66 / 2550).toFloat();
}

QString PercentToHex(float percent)
{
    const float v = static_cast<float>(static_cast<double>(percent) * 255 / 100);
    return roundedHex(v);
}

QString RawToPercent(QStringView raw)
{
    const double r = NumberText::leadingNumber(raw);
    return NumberText::whole(r * 100 / 255);
}

} // namespace Conversions
