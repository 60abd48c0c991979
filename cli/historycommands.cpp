#include "clicontext.h"
#include "commands.h"
#include "devicecommands.h"
#include "historystore.h"
#include "settinginput.h"
#include "settingsreport.h"
#include "settingvalues.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>

namespace Commands {

namespace {

    struct HistoryText {
        Q_DECLARE_TR_FUNCTIONS(History)
    };

    const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    const QString ControllerWord = QStringLiteral("controller");

    // Local time with its offset, so that an hour repeated in autumn stays apart.
    QString isoTime(const QDateTime& time)
    {
        const QDateTime local = time.toLocalTime();
        return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
    }

    QString localTime(const QDateTime& time) { return time.toLocalTime().toString(TimeFormat); }

    // The entry's file name without ".set": it never changes.
    QString idOf(const HistoryStore::Entry& e) { return QFileInfo(e.path).completeBaseName(); }

    QJsonObject entryJson(const HistoryStore::Entry& e)
    {
        QJsonArray kinds;
        for (HistoryStore::Kind kind : e.kinds)
            kinds.append(HistoryStore::kindWord(kind));
        return { { u"id"_qs, idOf(e) }, { u"time"_qs, isoTime(e.time) },
            { u"lastSeen"_qs, isoTime(e.lastSeen) }, { u"kind"_qs, HistoryStore::kindWord(e.kind) },
            { u"kinds"_qs, kinds }, { u"path"_qs, e.path }, { u"image"_qs, e.image },
            { u"device"_qs, e.port.isEmpty() ? QJsonValue() : QJsonValue(e.port) },
            { u"modelCode"_qs, e.modelCode }, { u"romVersion"_qs, e.romVersion } };
    }

    ExitCode list(CliContext& context, const QList<HistoryStore::Entry>& entries)
    {
        if (context.invocation.json) {
            QJsonArray array;
            for (const HistoryStore::Entry& e : entries)
                array.append(entryJson(e));
            context.console.json({ { u"entries"_qs, array } });
            return ExitCode::Done;
        }
        if (entries.isEmpty()) {
            context.console.out(HistoryText::tr("No settings have been kept yet.\n"));
            return ExitCode::Done;
        }
        QList<QStringList> rows { { HistoryText::tr("ID"), HistoryText::tr("Time"),
            HistoryText::tr("Kind"), HistoryText::tr("Port"), HistoryText::tr("Model"),
            HistoryText::tr("ROM") } };
        for (const HistoryStore::Entry& e : entries) {
            rows.append({ idOf(e), localTime(e.time), HistoryStore::kindsText(e),
                e.port.isEmpty() ? u"-"_qs : e.port, QString::number(e.modelCode),
                QString::number(e.romVersion) });
        }
        context.console.out(columns(rows));
        return ExitCode::Done;
    }

    // The entry an ID names: its whole name, with or without ".set", or a
    // beginning that only it has. -1 when none or several match.
    qsizetype find(const QList<HistoryStore::Entry>& entries, QString id)
    {
        if (id.endsWith(u".set"_qs))
            id.chop(4);
        qsizetype found = -1;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QString name = idOf(entries[i]);
            if (name == id)
                return i;
            if (name.startsWith(id))
                found = found < 0 ? i : -2;
        }
        return found < 0 ? -1 : found;
    }

    ExitCode noSuchEntry(CliContext& context, const QString& id)
    {
        context.console.error([&id] {
            return HistoryText::tr(
                "no history entry %1, or several begin so ('tz586kv history' lists them)")
                .arg(id);
        });
        return ExitCode::Usage;
    }

    ExitCode show(CliContext& context, const HistoryStore::Entry& entry)
    {
        SettingValues values;
        values.show(entry.image);
        if (context.invocation.json) {
            QJsonObject document = settingsJson(values);
            const QJsonObject fields = entryJson(entry);
            // The image's own model code and ROM version win over the index's.
            for (auto it = fields.begin(); it != fields.end(); ++it) {
                if (!document.contains(it.key()))
                    document.insert(it.key(), it.value());
            }
            context.console.json(document);
            return ExitCode::Done;
        }
        const QString port = entry.port.isEmpty() ? HistoryText::tr("unknown") : entry.port;
        context.console.out(
            HistoryText::tr("%1: %2, %3, port %4\n\n")
                .arg(idOf(entry), localTime(entry.time), HistoryStore::kindsText(entry), port)
            + settingsTable(values));
        return ExitCode::Done;
    }

    // The other side of history diff: another entry, the controller or a
    // setting file; the entry before it when none is named.
    ExitCode otherSide(CliContext& context, const QList<HistoryStore::Entry>& entries,
        qsizetype index, QString& name, QString& image)
    {
        const QStringList& args = context.invocation.arguments;
        if (args.size() < 3) {
            if (index + 1 >= entries.size()) {
                context.console.error([&] {
                    return HistoryText::tr("%1 is the oldest entry: name another side")
                        .arg(idOf(entries[index]));
                });
                return ExitCode::Usage;
            }
            name = idOf(entries[index + 1]);
            image = entries[index + 1].image;
            return ExitCode::Done;
        }
        name = args[2];
        if (name == ControllerWord) {
            return DeviceCommands::readController(context, image);
        }
        const qsizetype other = find(entries, name);
        if (other >= 0) {
            image = entries[other].image;
            return ExitCode::Done;
        }
        if (!QFileInfo::exists(name))
            return noSuchEntry(context, name);
        const SettingInput input = readSettingFile(name);
        if (input.code != ExitCode::Done)
            context.console.error(input.message);
        image = input.image;
        return input.code;
    }

    ExitCode diff(CliContext& context, const QList<HistoryStore::Entry>& entries, qsizetype index)
    {
        QString name;
        QString image;
        const ExitCode code = otherSide(context, entries, index, name, image);
        if (code != ExitCode::Done)
            return code;
        // From the other side to the entry: what restoring it would change.
        return printComparison(context, name, image, idOf(entries[index]), entries[index].image);
    }

} // namespace

ExitCode history(CliContext& context)
{
    const QStringList& args = context.invocation.arguments;
    const QString verb = args.value(0);
    const bool known = (args.size() == 2 && (verb == u"show"_qs || verb == u"restore"_qs))
        || ((args.size() == 2 || args.size() == 3) && verb == u"diff"_qs) || args.isEmpty();
    if (!known) {
        context.console.error([] {
            return HistoryText::tr(
                "history takes nothing, show ID, diff ID [ID|controller|FILE] or restore ID");
        });
        return ExitCode::Usage;
    }
    // An empty ID begins every name: it would pick an entry when there is one.
    if (args.mid(1).contains(QString())) {
        context.console.error([] { return HistoryText::tr("an empty ID names no history entry"); });
        return ExitCode::Usage;
    }
    if ((context.invocation.dryRun || context.invocation.force) && verb != u"restore"_qs) {
        context.console.error(
            [] { return HistoryText::tr("--dry-run and --force go with history restore only"); });
        return ExitCode::Usage;
    }
    const QList<HistoryStore::Entry> entries = context.history.entries();
    if (args.isEmpty())
        return list(context, entries);
    const qsizetype index = find(entries, args[1]);
    if (index < 0)
        return noSuchEntry(context, args[1]);
    if (verb == u"diff"_qs)
        return diff(context, entries, index);
    if (SettingImage::decode(entries[index].image).status != SettingImage::DecodeStatus::Ok) {
        context.console.error([&] {
            return HistoryText::tr("%1: not the settings of a TZ586KV").arg(idOf(entries[index]));
        });
        return ExitCode::FileTrouble;
    }
    if (verb == u"show"_qs)
        return show(context, entries[index]);
    // The window's restore: the change list, then write and verify.
    return DeviceCommands::write(context, entries[index].image);
}

} // namespace Commands
