#include "fuzzinput.h"
#include "inifile.h"

#include <array>

namespace {

// The keys the program itself keeps.
const std::array<std::pair<QString, QString>, 3> Known { {
    { u"RS232C"_qs, u"ComPort"_qs },
    { u"Chart"_qs, u"ScaleV"_qs },
    { u"chart"_qs, u"SCALEI"_qs },
} };

// What a read gives for a value that was written: blanks around it and one
// pair of quotes go, and it is cut to 255 characters.
QString readForm(const QString& value)
{
    QString v = value.trimmed();
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
        v = v.mid(1, v.size() - 2);
    return v.left(IniFile::MaxValueLength);
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct Input {
    QString section;
    QString key;
    QString value;
    QByteArray file;
};

// Three length bytes, then section, key and value, then the file.
Input split(const QByteArray& bytes)
{
    Input in;
    if (bytes.size() < 3)
        return in;
    const qsizetype sectionLength = uint8_t(bytes[0]) % 16;
    const qsizetype keyLength = uint8_t(bytes[1]) % 16;
    const qsizetype valueLength = uint8_t(bytes[2]) * 2;
    qsizetype at = 3;
    auto take = [&](qsizetype n) {
        const QByteArray part = bytes.mid(at, n);
        at = std::min(bytes.size(), at + n);
        return QString::fromLatin1(part);
    };
    in.section = take(sectionLength);
    in.key = take(keyLength);
    in.value = take(valueLength);
    in.file = bytes.mid(at);
    return in;
}

// Only one line of the old file may differ: all before and after it stays.
void checkOneLineChanged(const QByteArray& before, const QByteArray& after)
{
    qsizetype head = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (
        tail < shorter - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QByteArray changed = before.mid(head, before.size() - head - tail);
    FUZZ_CHECK(!changed.contains('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Input in = split(FuzzInput::bytes(data, size));
    const QString path = FuzzInput::scratchPath(u"fuzz.ini"_qs);
    FuzzInput::writeAll(path, in.file);
    IniFile ini(path);

    std::array<QString, Known.size()> known;
    for (size_t i = 0; i < Known.size(); ++i) {
        known[i] = ini.ReadIniKey(Known[i].first, Known[i].second);
        FUZZ_CHECK(known[i].size() <= IniFile::MaxValueLength);
    }
    FUZZ_CHECK(ini.ReadIniKey(in.section, in.key).size() <= IniFile::MaxValueLength);

    const bool written = ini.WriteIniKey(in.section, in.key, in.value);
    const QByteArray after = FuzzInput::readAll(path);
    if (!written) {
        FUZZ_CHECK(after == in.file);
        return 0;
    }
    checkOneLineChanged(in.file, after);
    FUZZ_CHECK(ini.ReadIniKey(in.section, in.key) == readForm(in.value));
    // Every other key reads as before.
    for (size_t i = 0; i < Known.size(); ++i) {
        if (!(sameName(Known[i].first, in.section) && sameName(Known[i].second, in.key)))
            FUZZ_CHECK(ini.ReadIniKey(Known[i].first, Known[i].second) == known[i]);
    }
    return 0;
}
