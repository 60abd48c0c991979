#include "settingchanges.h"

#include "parametertable.h"

#include <QJsonObject>

using Change = ChangeEngine::Change;

namespace {

QJsonValue valueOf(const ShownValue& value)
{
    switch (value.kind) {
    case ShownValue::Kind::Switch:
        return value.on;
    case ShownValue::Kind::Byte:
        return value.text();
    case ShownValue::Kind::Number:
    case ShownValue::Kind::LimiterOff:
        break;
    }
    const std::optional<double> number = value.toNumber();
    return number ? QJsonValue(*number) : QJsonValue(QJsonValue::Null);
}

QString keyOf(const Change& c)
{
    switch (c.kind) {
    case Change::Kind::Mode:
        return QString::fromUtf16(modeKeys()[size_t(c.index)]);
    case Change::Kind::Byte:
        return u"byte-%1"_qs.arg(c.index);
    case Change::Kind::Parameter:
        break;
    }
    return QString::fromUtf16(parameterKeys()[size_t(c.index)]);
}

} // namespace

QString changesText(const SettingChanges& changes)
{
    QString text;
    for (const Change& c : changes)
        text += ChangeEngine::describe(c) + u'\n';
    return text;
}

QJsonArray changesJson(const SettingChanges& changes)
{
    QJsonArray array;
    for (const Change& c : changes) {
        QJsonObject o { { u"key"_qs, keyOf(c) }, { u"caption"_qs, c.caption },
            { u"unit"_qs, c.unit }, { u"from"_qs, valueOf(c.from) }, { u"to"_qs, valueOf(c.to) } };
        if (c.rounded)
            o.insert(u"given"_qs, valueOf(*c.rounded));
        if (c.from == c.to)
            o.insert(u"bytes"_qs, QJsonArray { c.fromHex, c.toHex });
        array.append(o);
    }
    return array;
}
