#include "fuzzinput.h"
#include "settingfile.h"

#include <cctype>

using namespace SettingFile;

namespace {

// What a file holds once a byte-order mark in front and one line end behind
// are taken away, as text editors leave them.
QByteArray coreOf(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    return bytes;
}

LoadStatus expected(const QByteArray& bytes, const QByteArray& core)
{
    if (bytes.isEmpty())
        return LoadStatus::Empty;
    for (qsizetype i = 0; i < core.size() && i < 64; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(core[i])))
            return LoadStatus::NotHex;
    }
    return core.size() == 64 ? LoadStatus::Image : LoadStatus::WrongLength;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzInput::scratchPath(u"fuzz.set"_qs);
    const QByteArray bytes = FuzzInput::bytes(data, size);
    FUZZ_CHECK(writeAll(path, bytes));
    const Loaded loaded = load(path);
    const QByteArray core = coreOf(bytes);
    FUZZ_CHECK(loaded.status == expected(bytes, core));
    const bool image = loaded.status == LoadStatus::Image;
    FUZZ_CHECK(!image || loaded.text == QString::fromLatin1(core));
    FUZZ_CHECK(image || !loaded.problem.isEmpty() || loaded.status == LoadStatus::Empty);
    // Whatever was read saves back, as exactly the image, only when it is one.
    const QString copy = FuzzInput::scratchPath(u"copy.set"_qs);
    QFile::remove(copy);
    FUZZ_CHECK(save(copy, loaded.text) == image);
    FUZZ_CHECK(!image || readAll(copy) == core);
    return 0;
}
