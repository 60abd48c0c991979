#include "fuzzinput.h"
#include "numbertext.h"
#include "settingimage.h"

using namespace SettingImage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = FuzzInput::latin1(data, size);
    const Decoded d = decode(text);
    const bool hex = isHexImage(text);
    FUZZ_CHECK(hex == (text.size() >= Length && isHexImage(text.left(Length))));
    if (text.size() < Length) {
        FUZZ_CHECK(d.status == DecodeStatus::BadField);
        return 0;
    }
    // Only the first 64 characters count.
    FUZZ_CHECK(decode(text.left(Length)).status == d.status);
    switch (d.status) {
    case DecodeStatus::Ok: {
        FUZZ_CHECK(hex && d.modelCode == ThisModel);
        for (const QString& t : d.texts)
            FUZZ_CHECK(!t.isEmpty());
        const int version = d.version.toInt();
        FUZZ_CHECK(version >= 0 && version <= 255);
        // What the window would hold goes back through the encoder.
        WriteValues w;
        for (int i = 0; i < ParameterCount; ++i)
            w.values[i] = NumberText::wholeNumber(d.texts[i]);
        for (int i = 0; i < ModeCount; ++i)
            w.modes[i] = d.modeByte & (1 << i);
        const Encoded e = encode(w, text);
        if (e.status == EncodeStatus::Ok)
            FUZZ_CHECK(isHexImage(e.image) && e.image.size() == Length);
        break;
    }
    case DecodeStatus::BadField:
        FUZZ_CHECK(!hex && d.modelCode == ThisModel);
        for (const QString& t : d.texts)
            FUZZ_CHECK(t.isEmpty());
        break;
    case DecodeStatus::Deleted:
        FUZZ_CHECK(d.modelCode == DeletedModel);
        break;
    case DecodeStatus::OtherModel:
        FUZZ_CHECK(d.modelCode != ThisModel && d.modelCode != DeletedModel);
        break;
    }
    return 0;
}
