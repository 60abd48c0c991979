#include "fuzzinput.h"
#include "numbertext.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = FuzzInput::latin1(data, size);
    const double leading = NumberText::leadingNumber(text);
    FUZZ_CHECK(std::isfinite(leading));
    const std::optional<double> whole = NumberText::wholeNumber(text);
    FUZZ_CHECK(!whole || *whole == leading);
    // Blanks around a number do not change it.
    FUZZ_CHECK(NumberText::wholeNumber(u' ' + text + u"\t\r\n"_qs) == whole);
    const std::optional<int16_t> small = NumberText::toInt16(leading);
    FUZZ_CHECK(!small || std::abs(double(*small) - leading) <= 0.5);
    return 0;
}
