#include "fuzzinput.h"
#include "settingimage.h"
#include "settingreply.h"

using namespace SettingImage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<SettingReply> accepted = acceptSettingReply(FuzzInput::latin1(data, size));
    if (!accepted)
        return 0;
    FUZZ_CHECK(size == 68);
    FUZZ_CHECK(accepted->image.size() == Length && isHexImage(accepted->image));
    // An accepted image never reaches the window half-decoded.
    FUZZ_CHECK(decode(accepted->image).status != DecodeStatus::BadField);
    return 0;
}
