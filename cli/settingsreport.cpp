#include "settingsreport.h"

#include "console.h"
#include "numbertext.h"

#include <QJsonArray>

namespace {

constexpr int LimiterIndex = indexOf(Parameter::CurrentLimit);
const QString ModelName = QStringLiteral("TZ586KV");

bool isShownMode(int bit) { return isVisible(modeAt(bit)); }

ParameterReport parameterOf(const SettingImage::Decoded& decoded, int index)
{
    ParameterReport p;
    p.index = index;
    p.text = decoded.texts[index];
    p.value = NumberText::wholeNumber(p.text);
    if (index == LimiterIndex && p.value
        && static_cast<float>(*p.value) == SettingImage::LimiterOffAmps) {
        p.off = true;
        p.text = u"off"_qs;
        p.value.reset();
        p.inRange = true;
        return p;
    }
    const ParameterInfo& info = parameterTable()[index];
    const float v = p.value ? static_cast<float>(*p.value) : 0;
    p.inRange = p.value && info.min <= v && v <= info.max;
    return p;
}

QString caption(int index) { return QString::fromUtf16(parameterTable()[index].caption); }

} // namespace

ReportedImage reportImage(QStringView image)
{
    const SettingImage::Decoded decoded = SettingImage::decode(image);
    ReportedImage result { decoded.status, decoded.modelCode, {} };
    if (decoded.status != SettingImage::DecodeStatus::Ok)
        return result;
    SettingsReport& report = result.report;
    report.image = image.left(SettingImage::Length).toString().toUpper();
    report.romVersion = decoded.version;
    for (const Parameter row : ParameterOrder)
        report.parameters.push_back(parameterOf(decoded, indexOf(row)));
    for (const Mode m : ModeOrder)
        report.modes.push_back({ bitOf(m), (decoded.modeByte & (1 << bitOf(m))) != 0 });
    return result;
}

QString settingsTable(const SettingsReport& report)
{
    QString text
        = columns({ { u"Model"_qs, ModelName }, { u"ROM version"_qs, report.romVersion } });
    QList<QStringList> rows { { u"Key"_qs, u"Parameter"_qs, u"Value"_qs, u"Unit"_qs,
        u"Range"_qs } };
    for (const ParameterReport& p : report.parameters) {
        rows.append({ QString::fromUtf16(parameterKeys()[p.index]), caption(p.index), p.text,
            QString::fromUtf16(parameterTable()[p.index].unit),
            rangeText(parameterAt(p.index), TextStyle::Script),
            p.inRange ? QString() : u"out of range"_qs });
    }
    text += u'\n' + columns(rows);
    QList<QStringList> modes { { u"Key"_qs, u"Mode"_qs, u"State"_qs } };
    for (const ModeReport& m : report.modes) {
        modes.append({ QString::fromUtf16(modeKeys()[m.bit]),
            QString::fromUtf16(modeCaptions()[m.bit]), m.on ? u"on"_qs : u"off"_qs });
    }
    return text + u'\n' + columns(modes);
}

QJsonObject settingsJson(const SettingsReport& report)
{
    QJsonArray parameters;
    for (const ParameterReport& p : report.parameters) {
        const ParameterInfo& info = parameterTable()[p.index];
        QJsonObject entry { { u"key"_qs, QString::fromUtf16(parameterKeys()[p.index]) },
            { u"caption"_qs, caption(p.index) },
            { u"value"_qs, p.value ? QJsonValue(*p.value) : QJsonValue(QJsonValue::Null) },
            { u"unit"_qs, QString::fromUtf16(info.unit) }, { u"min"_qs, info.min },
            { u"max"_qs, info.max }, { u"inRange"_qs, p.inRange } };
        if (p.index == LimiterIndex)
            entry.insert(u"off"_qs, p.off);
        parameters.append(entry);
    }
    QJsonArray modes;
    for (const ModeReport& m : report.modes) {
        modes.append(QJsonObject { { u"key"_qs, QString::fromUtf16(modeKeys()[m.bit]) },
            { u"caption"_qs, QString::fromUtf16(modeCaptions()[m.bit]) }, { u"bit"_qs, m.bit },
            { u"on"_qs, m.on }, { u"shown"_qs, isShownMode(m.bit) } });
    }
    return { { u"model"_qs, ModelName }, { u"modelCode"_qs, SettingImage::ThisModel },
        { u"romVersion"_qs, report.romVersion.toInt() }, { u"image"_qs, report.image },
        { u"parameters"_qs, parameters }, { u"modes"_qs, modes } };
}
