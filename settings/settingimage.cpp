#include "settingimage.h"

#include "conversions.h"
#include "numbertext.h"

#include <optional>

namespace SettingImage {

namespace {

    using NumberText::hexDigit;

    // Callers have checked that the image is all hex.
    int byteAt(QStringView image, int k)
    {
        return hexDigit(image[2 * k]) * 16 + hexDigit(image[2 * k + 1]);
    }

    QString rawText(QStringView image, int k) { return u"&H"_qs + image.mid(2 * k, 2).toString(); }

    // The model code is read like the rest of the program reads numbers: only
    // its leading hex digits count, so "0Z" is 0 and "Z2" is 0.
    int modelCodeOf(QStringView image)
    {
        const int high = hexDigit(image[58]);
        if (high < 0)
            return 0;
        const int low = hexDigit(image[59]);
        return low < 0 ? high : high * 16 + low;
    }

    QString twoDigits(const QString& hex) { return (u"0"_qs + hex).right(2); }

    QString wholeHex(float value)
    {
        const double r = NumberText::roundEven(value);
        return NumberText::hex(r <= 0 ? 0u : static_cast<uint32_t>(r));
    }

    void fillTexts(QStringView image, Decoded& d)
    {
        for (int i = 0; i <= 4; ++i)
            d.texts[i] = QString::number(byteAt(image, 2 * i + 1) * 256 + byteAt(image, 2 * i));
        d.texts[14] = Conversions::RawToPercent(rawText(image, 15));
        d.texts[5] = QString::number(byteAt(image, 16));
        d.texts[6] = NumberText::shortest(Conversions::RawToVolt(rawText(image, 17)));
        d.texts[7] = NumberText::shortest(Conversions::RawToCurrent(rawText(image, 19)));
        d.texts[8] = QString::number(byteAt(image, 20));
        d.texts[9] = QString::number(byteAt(image, 21));
        d.texts[10] = Conversions::RawToPercent(rawText(image, 22));
        d.texts[11] = QString::number(byteAt(image, 23));
        d.texts[12] = NumberText::shortest(Conversions::RawToCurrent(rawText(image, 24)));
        d.texts[13] = QString::number(byteAt(image, 25));
    }

    QString byteHex(const WriteValues& values, const std::array<float, ParameterCount>& v, int k)
    {
        switch (k) {
        case 15:
            return Conversions::PercentToHex(v[14]);
        case 16:
            return wholeHex(v[5]);
        case 17:
            return Conversions::VoltToHex(v[6]);
        case 18:
            return u"55"_qs;
        case 19:
            return values.limiterOff ? u"FF"_qs : Conversions::CurrentToHex(v[7]);
        case 20:
            return wholeHex(v[8]);
        case 21:
            return wholeHex(v[9]);
        case 22:
            return Conversions::PercentToHex(v[10]);
        case 23:
            return wholeHex(v[11]);
        case 24:
            return Conversions::CurrentToHex(v[12]);
        case 25:
            return wholeHex(v[13]);
        case 26:
            return Conversions::CurrentToHex(250);
        default:
            return u"C8"_qs;
        }
    }

} // namespace

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

Decoded decode(QStringView text)
{
    Decoded d;
    if (text.size() < Length)
        return d;
    const QStringView image = text.left(Length);
    d.modelCode = modelCodeOf(image);
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
    fillTexts(image, d);
    d.version = QString::number(byteAt(image, 30));
    d.modeByte = static_cast<uint8_t>(byteAt(image, 31));
    d.status = DecodeStatus::Ok;
    return d;
}

Encoded encode(const WriteValues& values, QStringView source)
{
    Encoded result;
    std::array<float, ParameterCount> v {};
    for (int i = 0; i < ParameterCount; ++i) {
        if (const std::optional<double>& value = values.values[size_t(i)]) {
            v[size_t(i)] = float(*value);
        } else if (!(parameterAt(i) == Parameter::CurrentLimit && values.limiterOff)) {
            result.status = EncodeStatus::InvalidValue;
            result.invalid = i;
            return result;
        }
    }
    if (!isHexImage(source))
        return result;
    const QString from = source.left(Length).toString().toUpper();

    QString image;
    image.reserve(Length);
    for (int i = 0; i <= 1; ++i) {
        const QString h = (u"000"_qs + wholeHex(v[i])).right(4);
        image += h.right(2) + h.left(2);
    }
    image += QStringView(from).mid(8, 12);
    image += u"0000000000"_qs;
    for (int k = 15; k <= 27; ++k)
        image += twoDigits(byteHex(values, v, k));
    image += QStringView(from).mid(56, 6);
    int mode = 0;
    for (int i = 0; i < ModeCount; ++i) {
        if (values.modes[size_t(i)])
            mode |= 1 << i;
    }
    image += twoDigits(NumberText::hex(static_cast<uint32_t>(mode)));

    result.status = EncodeStatus::Ok;
    result.image = image;
    return result;
}

} // namespace SettingImage
