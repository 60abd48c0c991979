#include "settingimage.h"

#include "conversions.h"
#include "numbertext.h"

namespace SettingImage {

namespace {

    using NumberText::hexDigit;

    QString rawText(QStringView image, int k) { return u"&H"_qs + image.mid(2 * k, 2).toString(); }

    QString padded(const QString& hex, int digits)
    {
        return (QString(digits, u'0') + hex).right(digits);
    }

    QString wholeHex(float value)
    {
        const double r = NumberText::roundEven(value);
        return NumberText::hex(r <= 0 ? 0u : static_cast<uint32_t>(r));
    }

} // namespace

// The model code is read like the rest of the program reads numbers: only
// its leading hex digits count, so "0Z" is 0 and "Z2" is 0.
int modelCode(QStringView image)
{
    const int high = hexDigit(image[2 * ModelByte]);
    if (high < 0)
        return 0;
    const int low = hexDigit(image[2 * ModelByte + 1]);
    return low < 0 ? high : high * 16 + low;
}

bool limiterOff(QStringView image)
{
    const int k = info(Parameter::CurrentLimit).offset;
    return Conversions::RawToCurrent(rawText(image, k)) == LimiterOffAmps;
}

int byteAt(QStringView image, int k)
{
    return hexDigit(image[2 * k]) * 16 + hexDigit(image[2 * k + 1]);
}

QStringView field(Parameter p, QStringView image)
{
    const ParameterInfo& i = info(p);
    return image.mid(2 * i.offset, 2 * widthOf(i.codec));
}

bool isHexImage(QStringView text)
{
    if (text.size() < Length)
        return false;
    for (int i = 0; i < Length; ++i) {
        if (hexDigit(text[i]) < 0)
            return false;
    }
    return true;
}

QString fieldText(Parameter p, QStringView image)
{
    const int k = info(p).offset;
    switch (info(p).codec) {
    case Codec::Word:
        return QString::number(byteAt(image, k + 1) * 256 + byteAt(image, k));
    case Codec::Byte:
        return QString::number(byteAt(image, k));
    case Codec::Percent:
        return Conversions::RawToPercent(rawText(image, k));
    case Codec::Volts:
        return NumberText::shortest(Conversions::RawToVolt(rawText(image, k)));
    case Codec::Amps:
        return NumberText::shortest(Conversions::RawToCurrent(rawText(image, k)));
    }
    return {};
}

QString fieldHex(Parameter p, float value)
{
    switch (info(p).codec) {
    case Codec::Word: {
        const QString h = padded(wholeHex(value), 4);
        return h.right(2) + h.left(2);
    }
    case Codec::Byte:
        return padded(wholeHex(value), 2);
    case Codec::Percent:
        return padded(Conversions::PercentToHex(value), 2);
    case Codec::Volts:
        return padded(Conversions::VoltToHex(value), 2);
    case Codec::Amps:
        return padded(Conversions::CurrentToHex(value), 2);
    }
    return {};
}

Decoded decode(QStringView text)
{
    Decoded d;
    if (text.size() < Length)
        return d;
    const QStringView image = text.left(Length);
    d.modelCode = modelCode(image);
    if (d.modelCode == DeletedModel) {
        d.status = DecodeStatus::Deleted;
        return d;
    }
    if (d.modelCode != ThisModel) {
        d.status = DecodeStatus::OtherModel;
        return d;
    }
    // Checked as a whole first so that a bad field never leaves the window
    // half filled.
    if (!isHexImage(image))
        return d;
    for (int i = 0; i < ParameterCount; ++i)
        d.texts[size_t(i)] = fieldText(parameterAt(i), image);
    d.version = QString::number(byteAt(image, VersionByte));
    d.modeByte = static_cast<uint8_t>(byteAt(image, ModeByte));
    d.limiterOff = limiterOff(image);
    d.status = DecodeStatus::Ok;
    return d;
}

} // namespace SettingImage
