#include "settingchanges.h"

#include <QJsonObject>

namespace {

QJsonValue valueOf(const ParameterReport& p)
{
    return p.value ? QJsonValue(*p.value) : QJsonValue(QJsonValue::Null);
}

QString withUnit(const QString& text, const QString& unit)
{
    return unit.isEmpty() || text == u"off"_qs ? text : text + u' ' + unit;
}

QString onOff(bool on) { return on ? u"on"_qs : u"off"_qs; }

} // namespace

QList<SettingChange> settingChanges(const SettingsReport& from, const SettingsReport& to)
{
    QList<SettingChange> changes;
    for (size_t k = 0; k < from.parameters.size() && k < to.parameters.size(); ++k) {
        const ParameterReport& a = from.parameters[k];
        const ParameterReport& b = to.parameters[k];
        if (a.text == b.text)
            continue;
        const ParameterInfo& info = parameterTable()[a.index];
        changes.append(
            { QString::fromUtf16(parameterKeys()[a.index]), QString::fromUtf16(info.caption),
                QString::fromUtf16(info.unit), a.text, b.text, valueOf(a), valueOf(b) });
    }
    for (size_t k = 0; k < from.modes.size() && k < to.modes.size(); ++k) {
        const ModeReport& a = from.modes[k];
        const ModeReport& b = to.modes[k];
        if (a.on == b.on)
            continue;
        changes.append(
            { QString::fromUtf16(modeKeys()[a.bit]), QString::fromUtf16(modeCaptions()[a.bit]),
                QString(), onOff(a.on), onOff(b.on), a.on, b.on });
    }
    return changes;
}

QString changesText(const QList<SettingChange>& changes)
{
    QString text;
    for (const SettingChange& c : changes)
        text += c.caption + u": "_qs + withUnit(c.fromText, c.unit) + u" -> "_qs
            + withUnit(c.toText, c.unit) + u'\n';
    return text;
}

QJsonArray changesJson(const QList<SettingChange>& changes)
{
    QJsonArray array;
    for (const SettingChange& c : changes) {
        array.append(QJsonObject { { u"key"_qs, c.key }, { u"caption"_qs, c.caption },
            { u"unit"_qs, c.unit }, { u"from"_qs, c.from }, { u"to"_qs, c.to } });
    }
    return array;
}
