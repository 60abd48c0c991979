#include "settingsreport.h"

#include "console.h"
#include "settingvalues.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

struct SettingsReportText {
    Q_DECLARE_TR_FUNCTIONS(SettingsReport)
};

QString caption(Parameter p) { return QString::fromUtf16(info(p).caption); }
QString key(Parameter p) { return QString::fromUtf16(parameterKeys()[size_t(indexOf(p))]); }
QString modeKey(Mode m) { return QString::fromUtf16(modeKeys()[size_t(bitOf(m))]); }
QString modeCaption(Mode m) { return QString::fromUtf16(modeCaptions()[size_t(bitOf(m))]); }

} // namespace

QString settingsTable(const SettingValues& values)
{
    QString text = columns({ { SettingsReportText::tr("Model"), values.modelName() },
        { SettingsReportText::tr("ROM version"), values.romVersionText() } });
    QList<QStringList> rows { { SettingsReportText::tr("Key"), SettingsReportText::tr("Parameter"),
        SettingsReportText::tr("Value"), SettingsReportText::tr("Unit"),
        SettingsReportText::tr("Range") } };
    for (const Parameter p : ParameterOrder) {
        rows.append({ key(p), captionText(p), values.shown(p).text(TextStyle::Script),
            QString::fromUtf16(info(p).unit), rangeText(p, TextStyle::Script),
            values.problem(p) ? SettingsReportText::tr("out of range") : QString() });
    }
    text += u'\n' + columns(rows);
    QList<QStringList> modes { { SettingsReportText::tr("Key"), SettingsReportText::tr("Mode"),
        SettingsReportText::tr("State") } };
    for (const Mode m : ModeOrder) {
        modes.append({ modeKey(m), modeCaptionText(m),
            ShownValue::switched(values.shownModeBit(m)).text(TextStyle::Script) });
    }
    return text + u'\n' + columns(modes);
}

QJsonObject settingsJson(const SettingValues& values)
{
    QJsonArray parameters;
    for (const Parameter p : ParameterOrder) {
        const std::optional<double> value = values.shown(p).toNumber();
        QJsonObject entry { { u"key"_qs, key(p) }, { u"caption"_qs, caption(p) },
            { u"value"_qs, value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null) },
            { u"unit"_qs, QString::fromUtf16(info(p).unit) }, { u"min"_qs, info(p).min },
            { u"max"_qs, info(p).max }, { u"inRange"_qs, !values.problem(p) } };
        if (p == Parameter::CurrentLimit)
            entry.insert(u"off"_qs, values.limiterOff());
        parameters.append(entry);
    }
    QJsonArray modes;
    for (const Mode m : ModeOrder) {
        modes.append(QJsonObject { { u"key"_qs, modeKey(m) }, { u"caption"_qs, modeCaption(m) },
            { u"bit"_qs, bitOf(m) }, { u"on"_qs, values.shownModeBit(m) },
            { u"shown"_qs, isVisible(m) } });
    }
    return { { u"model"_qs, values.modelName() }, { u"modelCode"_qs, SettingImage::ThisModel },
        { u"romVersion"_qs, values.romVersionText().toInt() },
        { u"image"_qs, values.shownImage().toUpper() }, { u"parameters"_qs, parameters },
        { u"modes"_qs, modes } };
}
