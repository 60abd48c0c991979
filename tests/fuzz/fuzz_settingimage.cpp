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
        // What the window would hold goes back through the encoder.
        WriteValues w;
        for (int i = 0; i < ParameterCount; ++i)
            w.values[i] = NumberText::wholeNumber(d.texts[i]);
        for (int i = 0; i < ModeCount; ++i)
            w.modes[i] = d.modeByte & (1 << i);
        const Encoded e = encode(w, text);
        FUZZ_CHECK(
            e.status != EncodeStatus::Ok || (isHexImage(e.image) && e.image.size() == Length));
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
