#include "changeengine.h"
#include "fuzzinput.h"
#include "settingvalues.h"

#include <set>

namespace {

QString hexOf(const uint8_t* bytes)
{
    return QString::fromLatin1(FuzzInput::bytes(bytes, 32).toHex().toUpper());
}

// Edits as the window's spin buttons, limiter switch and mode boxes make them.
// Returns the bytes of the image the edit may change.
std::set<int> edit(SettingValues& values, uint8_t what, uint8_t amount)
{
    if (what >= 240) {
        const Mode m = what % 2 ? Mode::RobotMode : Mode::ReverseCancel;
        values.setMode(m, !values.mode(m));
        return { ModeByte };
    }
    const Parameter p
        = what >= 228 ? Parameter::CurrentLimit : VisibleRows[what % VisibleRows.size()];
    const ParameterInfo& i = info(p);
    if (what >= 228)
        values.setLimiterOff(!values.limiterOff());
    else
        values.setSpin(
            p, i.spinMin + amount % ((i.spinMax - i.spinMin) / i.increment + 1) * i.increment);
    std::set<int> bytes;
    for (int k = 0; k < widthOf(i.codec); ++k)
        bytes.insert(i.offset + k);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 64)
        return 0;
    const QString controller = hexOf(data);
    QString shown = hexOf(data + 32);
    shown.replace(58, 2, u"02"_qs); // a file of this model
    SettingValues values;
    values.setControllerImage(controller);
    if (values.show(shown) != SettingImage::DecodeStatus::Ok)
        return 0;
    // What only the controller knows comes from it whatever else happens.
    std::set<int> free { 4, 5, 6, 7, 8, 9, 28, 29, 30 };
    for (size_t n = 64; n + 1 < size; n += 2)
        free.merge(edit(values, data[n], data[n + 1]));

    const ChangeEngine::Plan plan = ChangeEngine::plan(values);
    if (plan.status != ChangeEngine::Status::Ok)
        return 0;
    FUZZ_CHECK(plan.image.size() == 64 && SettingImage::isHexImage(plan.image));
    for (int k = 0; k < 32; ++k) {
        if (plan.image.mid(2 * k, 2) != shown.mid(2 * k, 2))
            FUZZ_CHECK(free.count(k) == 1);
    }
    FUZZ_CHECK(plan.image.mid(8, 12) == controller.mid(8, 12));
    FUZZ_CHECK(plan.image.mid(56, 6) == controller.mid(56, 6));
    // Every byte that changes is in the list, and nothing else is.
    FUZZ_CHECK(plan.changes.isEmpty() == (plan.image == controller));
    return 0;
}
