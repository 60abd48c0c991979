#include "clicontext.h"
#include "commands.h"
#include "devicecommands.h"
#include "historystore.h"
#include "imagecomparison.h"

#include <QJsonArray>

namespace Commands {

namespace {

    const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

    // Local time with its offset, so that an hour repeated in autumn stays apart.
    QString isoTime(const QDateTime& time)
    {
        const QDateTime local = time.toLocalTime();
        return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
    }

    QString localTime(const QDateTime& time) { return time.toLocalTime().toString(TimeFormat); }

    QJsonObject entryJson(int number, const HistoryStore::Entry& e)
    {
        QJsonArray kinds;
        for (HistoryStore::Kind kind : e.kinds)
            kinds.append(HistoryStore::kindWord(kind));
        return { { u"number"_qs, number }, { u"time"_qs, isoTime(e.time) },
            { u"lastSeen"_qs, isoTime(e.lastSeen) }, { u"kind"_qs, HistoryStore::kindWord(e.kind) },
            { u"kinds"_qs, kinds }, { u"path"_qs, e.path }, { u"image"_qs, e.image },
            { u"port"_qs, e.port.isEmpty() ? QJsonValue() : QJsonValue(e.port) },
            { u"modelCode"_qs, e.modelCode }, { u"romVersion"_qs, e.romVersion } };
    }

    ExitCode list(CliContext& context, const QList<HistoryStore::Entry>& entries)
    {
        if (context.invocation.json) {
            QJsonArray array;
            for (qsizetype i = 0; i < entries.size(); ++i)
                array.append(entryJson(int(i + 1), entries[i]));
            context.console.json({ { u"entries"_qs, array } });
            return ExitCode::Done;
        }
        if (entries.isEmpty()) {
            context.console.out(u"No settings have been kept yet.\n"_qs);
            return ExitCode::Done;
        }
        QList<QStringList> rows { { u"No"_qs, u"Time"_qs, u"Kind"_qs, u"Port"_qs, u"Model"_qs,
            u"ROM"_qs, u"File"_qs } };
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const HistoryStore::Entry& e = entries[i];
            rows.append({ QString::number(i + 1), localTime(e.time), HistoryStore::kindsText(e),
                e.port.isEmpty() ? u"-"_qs : e.port, QString::number(e.modelCode),
                QString::number(e.romVersion), e.path });
        }
        context.console.out(columns(rows));
        return ExitCode::Done;
    }

    QString rowKey(const ImageComparison::Row& row)
    {
        return QString::fromUtf16(
            row.isMode ? modeKeys()[size_t(row.index)] : parameterKeys()[size_t(row.index)]);
    }

    QString withUnit(const QString& text, const QString& unit)
    {
        return unit.isEmpty() || text == u"Off"_qs ? text : text + u' ' + unit;
    }

    // The entry beside what the controller holds now.
    ExitCode show(CliContext& context, int number, const HistoryStore::Entry& entry)
    {
        SettingsReport controller;
        const ExitCode code = DeviceCommands::readController(context, controller);
        if (code != ExitCode::Done)
            return code;
        const std::vector<ImageComparison::Row> rows
            = ImageComparison::compare(entry.image, controller.image);
        if (context.invocation.json) {
            QJsonArray array;
            for (const ImageComparison::Row& r : rows)
                array.append(QJsonObject { { u"key"_qs, rowKey(r) }, { u"caption"_qs, r.caption },
                    { u"unit"_qs, r.unit }, { u"entry"_qs, r.first },
                    { u"controller"_qs, r.second }, { u"differs"_qs, r.differs } });
            QJsonObject document = entryJson(number, entry);
            document.insert(u"controller"_qs, controller.image);
            document.insert(u"rows"_qs, array);
            context.console.json(document);
            return ExitCode::Done;
        }
        QList<QStringList> table { { u"Setting"_qs, u"Entry %1"_qs.arg(number),
            u"Controller"_qs } };
        for (const ImageComparison::Row& r : rows)
            table.append({ r.caption, withUnit(r.first, r.unit), withUnit(r.second, r.unit),
                r.differs ? u"differs"_qs : QString() });
        context.console.out(u"Entry %1: %2, %3\n\n"_qs.arg(QString::number(number),
                                localTime(entry.time), HistoryStore::kindsText(entry))
            + columns(table));
        return ExitCode::Done;
    }

} // namespace

ExitCode history(CliContext& context)
{
    const QStringList& args = context.invocation.arguments;
    const bool showing = !args.isEmpty();
    if (showing && (args.size() != 2 || args[0] != u"show"_qs)) {
        context.console.error(u"history takes nothing, or show N"_qs);
        return ExitCode::Usage;
    }
    const QList<HistoryStore::Entry> entries = context.history.entries();
    if (!showing)
        return list(context, entries);
    if (entries.isEmpty()) {
        context.console.error(u"no settings have been kept yet"_qs);
        return ExitCode::Usage;
    }
    bool ok = false;
    const int number = args[1].toInt(&ok);
    if (!ok || number < 1 || number > entries.size()) {
        context.console.error(u"history show takes a number from 1 to %1 ('tz586kv history' "
                              u"lists them)"_qs.arg(entries.size()));
        return ExitCode::Usage;
    }
    return show(context, number, entries[number - 1]);
}

} // namespace Commands
