#include "fuzzinput.h"
#include "logfile.h"

#include <cmath>

namespace {

bool same(const SampleStore& a, const SampleStore& b)
{
    return a.held == b.held && a.volt == b.volt && a.cur == b.cur;
}

// Seven significant digits do not always give back the very same single.
bool close(float a, float b) { return a == b || std::abs(a - b) <= 1e-6f * std::abs(a); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzInput::scratchPath(u"fuzz.csv"_qs);
    FUZZ_CHECK(writeAll(path, FuzzInput::bytes(data, size)));
    // What the store held before the load, every sample distinct.
    SampleStore before;
    for (int n = 1; n <= SampleStore::Count; ++n)
        before.ampsAt(n) = -(before.voltsAt(n) = float(n) / 7);
    SampleStore store = before;
    const LogFile::LoadStatus status = LogFile::load(path, store);
    if (status != LogFile::LoadStatus::Loaded) {
        // All or nothing: a refused file leaves no trace.
        FUZZ_CHECK(same(store, before));
        FUZZ_CHECK((status == LogFile::LoadStatus::Empty) == (size == 0));
        return 0;
    }
    FUZZ_CHECK(store.held);
    // What was loaded saves and loads back.
    const QString copy = FuzzInput::scratchPath(u"copy.csv"_qs);
    FUZZ_CHECK(LogFile::save(copy, store));
    SampleStore again = before;
    FUZZ_CHECK(LogFile::load(copy, again) == LogFile::LoadStatus::Loaded);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        FUZZ_CHECK(close(store.voltsAt(n), again.voltsAt(n)));
        FUZZ_CHECK(close(store.ampsAt(n), again.ampsAt(n)));
    }
    return 0;
}
