#include "fuzzinput.h"
#include "logreply.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Leftovers of an earlier log must all be overwritten.
    SampleStore store;
    store.volt.fill(-7.5f);
    store.cur.fill(NAN);
    decodeLogReply(FuzzInput::latin1(data, size), store);
    FUZZ_CHECK(store.held);
    for (const auto* channel : { &store.volt, &store.cur }) {
        for (const float v : *channel)
            FUZZ_CHECK(v == SampleStore::Missing || (v >= 0 && std::isfinite(v)));
    }
    return 0;
}
