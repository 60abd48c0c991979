#include "fuzzinput.h"
#include "settingfile.h"

using namespace SettingFile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzInput::scratchPath(u"fuzz.set"_qs);
    const QByteArray bytes = FuzzInput::bytes(data, size);
    FuzzInput::writeAll(path, bytes);
    const Loaded loaded = load(path);
    switch (loaded.status) {
    case LoadStatus::Image:
        FUZZ_CHECK(size == 64 && loaded.text == QString::fromLatin1(bytes));
        break;
    case LoadStatus::Empty:
        FUZZ_CHECK(size == 0);
        break;
    case LoadStatus::WrongLength:
        FUZZ_CHECK(size != 0 && size != 64);
        break;
    case LoadStatus::Unreadable:
        FUZZ_CHECK(false);
    }
    // Whatever was read saves back only when it is an image.
    const QString copy = FuzzInput::scratchPath(u"copy.set"_qs);
    QFile::remove(copy);
    FUZZ_CHECK(save(copy, loaded.text) == (loaded.status == LoadStatus::Image));
    if (loaded.status == LoadStatus::Image)
        FUZZ_CHECK(FuzzInput::readAll(copy) == bytes);
    return 0;
}
