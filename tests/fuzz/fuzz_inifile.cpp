#include "fuzzinput.h"
#include "inifile.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {

// The keys the program itself keeps; the last two share a section in other case.
const std::array<std::pair<QString, QString>, 3> Known { {
    { u"RS232C"_qs, u"ComPort"_qs },
    { u"Chart"_qs, u"ScaleV"_qs },
    { u"chart"_qs, u"SCALEI"_qs },
} };

using Input = std::tuple<QString, QString, QString, QByteArray>; // section, key, value, file

// Three length bytes, then section, key and value, then the file.
Input split(const QByteArray& bytes)
{
    if (bytes.size() < 3)
        return {};
    qsizetype at = 3;
    auto take = [&](qsizetype n) {
        const QString part = QString::fromLatin1(bytes.mid(at, n));
        at += n;
        return part;
    };
    // A braced list runs its parts in order.
    return { take(uint8_t(bytes[0]) % 16), take(uint8_t(bytes[1]) % 16),
        take(uint8_t(bytes[2]) * 2), bytes.mid(at) };
}

// Only one line of the old file may differ: all before and after it stays.
bool oneLineChanged(const QByteArray& before, const QByteArray& after)
{
    const auto head = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    const auto tail = std::mismatch(before.rbegin(), std::make_reverse_iterator(head.first),
        after.rbegin(), std::make_reverse_iterator(head.second));
    return std::find(head.first, tail.first.base(), '\n') == tail.first.base();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [section, key, value, file] = split(FuzzInput::bytes(data, size));
    const QString path = FuzzInput::scratchPath(u"fuzz.ini"_qs);
    FUZZ_CHECK(writeAll(path, file));
    IniFile ini(path);
    std::array<QString, Known.size()> known;
    for (size_t i = 0; i < Known.size(); ++i)
        known[i] = ini.value(Known[i].first, Known[i].second);
    FUZZ_CHECK(ini.value(section, key).size() <= IniFile::MaxValueLength);

    const bool written = ini.setValue(section, key, value);
    const QByteArray after = readAll(path);
    if (!written) {
        FUZZ_CHECK(after == file);
        return 0;
    }
    FUZZ_CHECK(oneLineChanged(file, after));
    // A value with no blank or quote at its ends reads back as written, cut to 255.
    if (value == value.trimmed() && !value.startsWith(u'"'))
        FUZZ_CHECK(ini.value(section, key) == value.left(IniFile::MaxValueLength));
    // Every other key reads as before.
    for (size_t i = 0; i < Known.size(); ++i) {
        const bool same = Known[i].first.compare(section, Qt::CaseInsensitive) == 0
            && Known[i].second.compare(key, Qt::CaseInsensitive) == 0;
        FUZZ_CHECK(same || ini.value(Known[i].first, Known[i].second) == known[i]);
    }
    return 0;
}
