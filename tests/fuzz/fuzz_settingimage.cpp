#include "fuzzinput.h"
#include "numbertext.h"
#include "settingimage.h"

using namespace SettingImage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = FuzzInput::latin1(data, size);
    const Decoded d = decode(text);
    // Only the first 64 characters count; fewer are no image.
    FUZZ_CHECK(decode(text.left(Length)).status == d.status);
    FUZZ_CHECK(text.size() >= Length || d.status == DecodeStatus::BadField);
    switch (d.status) {
    case DecodeStatus::Ok: {
        FUZZ_CHECK(isHexImage(text) && d.modelCode == ThisModel);
        for (const QString& t : d.texts)
            FUZZ_CHECK(!t.isEmpty());
        // Every field a value encodes to has the width it is read from.
        for (int i = 0; i < ParameterCount; ++i) {
            const Parameter p = parameterAt(i);
            const auto v = NumberText::wholeNumber(d.texts[i]);
            FUZZ_CHECK(v.has_value());
            if (info(p).min <= *v && *v <= info(p).max)
                FUZZ_CHECK(fieldHex(p, float(*v)).size() == field(p, text).size());
        }
        break;
    }
    case DecodeStatus::BadField:
        // Nothing of a bad image reaches the window.
        for (const QString& t : d.texts)
            FUZZ_CHECK(t.isEmpty());
        break;
    default:
        FUZZ_CHECK(d.modelCode != ThisModel);
    }
    return 0;
}
