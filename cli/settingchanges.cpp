#include "settingchanges.h"

#include "parametertable.h"

#include <QJsonObject>

using Change = ChangeEngine::Change;

namespace {

QJsonValue valueOf(const Change& c, const QString& text)
{
    switch (c.kind) {
    case Change::Kind::Mode:
        return text == u"On"_qs;
    case Change::Kind::Byte:
        return text;
    case Change::Kind::Parameter:
        break;
    }
    bool number = false;
    const double v = text.toDouble(&number);
    return number ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
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
            { u"unit"_qs, c.unit }, { u"from"_qs, valueOf(c, c.from) },
            { u"to"_qs, valueOf(c, c.to) } };
        if (!c.rounded.isEmpty())
            o.insert(u"given"_qs, valueOf(c, c.rounded));
        if (c.from == c.to)
            o.insert(u"bytes"_qs, QJsonArray { c.fromHex, c.toHex });
        array.append(o);
    }
    return array;
}
