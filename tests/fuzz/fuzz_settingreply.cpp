#include "fuzzinput.h"
#include "settingimage.h"
#include "settingreply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = FuzzInput::latin1(data, size);
    const std::optional<SettingReply> accepted = acceptSettingReply(reply);
    if (!accepted)
        return 0;
    FUZZ_CHECK(reply.size() == 68);
    FUZZ_CHECK(accepted->image.size() == SettingImage::Length);
    FUZZ_CHECK(SettingImage::isHexImage(accepted->image));
    FUZZ_CHECK(QString(reply).remove(u"sr"_qs).startsWith(accepted->image));
    FUZZ_CHECK(accepted->romVersion >= 0 && accepted->romVersion <= 255);
    // An accepted image never reaches the window half-decoded.
    const SettingImage::Decoded d = SettingImage::decode(accepted->image);
    FUZZ_CHECK(d.status != SettingImage::DecodeStatus::BadField);
    return 0;
}
