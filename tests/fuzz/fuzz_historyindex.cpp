#include "fuzzinput.h"
#include "historyformat.h"
#include "historystore.h"

using namespace HistoryFormat;

namespace {

const QString Image = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;
const QString EntryName = u"2026-12-07_14-03-22Z_read.set"_qs;

// What a line written back gives again.
void checkLine(const Line& line)
{
    const QByteArray text = formatLine(line);
    FUZZ_CHECK(text.endsWith('\n') && text.count('\n') == 1
        && text.count('\t') == (line.image.isEmpty() ? 5 : 6));
    const std::optional<Line> again = parseLine(QByteArrayView(text).chopped(1));
    FUZZ_CHECK(again && !again->old);
    FUZZ_CHECK(again->time == line.time && again->kind == line.kind && again->file == line.file);
    FUZZ_CHECK(again->port == line.port && again->modelCode == line.modelCode
        && again->romVersion == line.romVersion);
}

void checkName(const Name& name)
{
    const std::optional<Name> again = parseName(formatName(name.time, name.seq, name.kind));
    FUZZ_CHECK(again && again->utc && again->time == name.time && again->seq == name.seq
        && again->kind == name.kind);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    for (const QByteArray& text : bytes.split('\n')) {
        if (const std::optional<Line> line = parseLine(text))
            checkLine(*line);
        if (const std::optional<Name> name = parseName(QString::fromUtf8(text)))
            checkName(*name);
    }
    // Whatever the index holds, the one entry lists, once, as what its name says.
    const QString root = FuzzInput::scratchPath(u"history"_qs);
    static const bool made
        = QDir().mkpath(root) && writeAll(root + u'/' + EntryName, Image.toLatin1());
    FUZZ_CHECK(made && writeAll(root + u"/index.tsv"_qs, bytes));
    const QList<HistoryStore::Entry> entries = HistoryStore(root).entries();
    FUZZ_CHECK(entries.size() == 1 && entries[0].image == Image);
    FUZZ_CHECK(entries[0].kinds.first() == HistoryStore::Kind::Read);
    FUZZ_CHECK(entries[0].lastSeen >= entries[0].time && entries[0].romVersion >= 0);
    return 0;
}
