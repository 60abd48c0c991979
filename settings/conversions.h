#pragma once

#include <QString>
#include <QStringView>

// Engineering units <-> controller bytes. Raw arguments are number texts
// ("&H1B" or "27"); ...ToHex results are upper-case hex without padding.
namespace Conversions {

QString CurrentToHex(float amps);
float RawToCurrent(QStringView raw);
QString VoltToHex(float volts);
float RawToVolt(QStringView raw);
QString PercentToHex(float percent);
QString RawToPercent(QStringView raw);

} // namespace Conversions
