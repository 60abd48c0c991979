#include "fuzzinput.h"
#include "settingfile.h"

using namespace SettingFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzInput::scratchPath(u"fuzz.set"_qs);
    const QByteArray bytes = FuzzInput::bytes(data, size);
    FUZZ_CHECK(writeAll(path, bytes));
    const Loaded loaded = load(path);
    const bool image = size == 64;
    FUZZ_CHECK(loaded.status
        == (image      ? LoadStatus::Image
                : size ? LoadStatus::WrongLength
                       : LoadStatus::Empty));
    FUZZ_CHECK(!image || loaded.text == QString::fromLatin1(bytes));
    // Whatever was read saves back only when it is an image.
    const QString copy = FuzzInput::scratchPath(u"copy.set"_qs);
    QFile::remove(copy);
    FUZZ_CHECK(save(copy, loaded.text) == image);
    FUZZ_CHECK(!image || readAll(copy) == bytes);
    return 0;
}
