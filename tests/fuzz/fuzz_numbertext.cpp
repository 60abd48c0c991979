#include "fuzzinput.h"
#include "numbertext.h"

#include <cmath>

namespace {

void check(const QString& text)
{
    const double leading = NumberText::leadingNumber(text);
    FUZZ_CHECK(std::isfinite(leading));
    const std::optional<double> whole = NumberText::wholeNumber(text);
    if (whole) {
        FUZZ_CHECK(std::isfinite(*whole));
        FUZZ_CHECK(*whole == leading);
    }
    // Blanks around a number do not change it.
    const std::optional<double> padded = NumberText::wholeNumber(u' ' + text + u"\t\r\n"_qs);
    FUZZ_CHECK(padded.has_value() == whole.has_value());
    if (whole)
        FUZZ_CHECK(*padded == *whole);
    const std::optional<int16_t> small = NumberText::toInt16(leading);
    if (small)
        FUZZ_CHECK(std::abs(double(*small) - leading) <= 0.5);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    check(FuzzInput::latin1(data, size));
    check(FuzzInput::utf16(data, size));
    return 0;
}
