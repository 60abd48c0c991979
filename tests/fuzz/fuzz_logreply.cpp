#include "fuzzinput.h"
#include "logreply.h"

#include <cmath>

namespace {

bool isSampleOrMissing(float v)
{
    return v == SampleStore::Missing || (v >= 0 && std::isfinite(v));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Leftovers of an earlier log must all be overwritten.
    SampleStore store;
    store.volt.fill(-7.5f);
    store.cur.fill(NAN);
    decodeLogReply(FuzzInput::latin1(data, size), store);
    FUZZ_CHECK(store.held);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        FUZZ_CHECK(isSampleOrMissing(store.RunVolt(n)));
        FUZZ_CHECK(isSampleOrMissing(store.RunCur(n)));
    }
    return 0;
}
