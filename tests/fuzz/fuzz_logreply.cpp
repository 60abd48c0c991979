#include "fuzzinput.h"
#include "logreply.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Leftovers of an earlier log must all be overwritten, or all be kept.
    SampleStore store;
    store.volt.fill(-7.5f);
    store.cur.fill(-2.5f);
    if (!decodeLogReply(FuzzInput::latin1(data, size), store)) {
        FUZZ_CHECK(!store.held);
        for (size_t i = 0; i < store.volt.size(); ++i)
            FUZZ_CHECK(store.volt[i] == -7.5f && store.cur[i] == -2.5f);
        return 0;
    }
    FUZZ_CHECK(store.held);
    for (const auto* channel : { &store.volt, &store.cur }) {
        for (const float v : *channel)
            FUZZ_CHECK(v == SampleStore::Missing || (v >= 0 && std::isfinite(v)));
    }
    return 0;
}
