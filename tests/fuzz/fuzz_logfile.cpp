#include "fuzzinput.h"
#include "logfile.h"

#include <cmath>
#include <cstring>

namespace {

bool same(const SampleStore& a, const SampleStore& b)
{
    return a.held == b.held && std::memcmp(a.volt.data(), b.volt.data(), sizeof a.volt) == 0
        && std::memcmp(a.cur.data(), b.cur.data(), sizeof a.cur) == 0;
}

// What the store held before the load, unlike anything a file can give.
SampleStore earlier()
{
    SampleStore store;
    for (int n = 1; n <= SampleStore::Count; ++n) {
        store.RunVolt(n) = float(n) / 7;
        store.RunCur(n) = float(-n);
    }
    return store;
}

bool close(float a, float b) { return a == b || std::abs(a - b) <= 1e-6f * std::abs(a); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzInput::scratchPath(u"fuzz.csv"_qs);
    FuzzInput::writeAll(path, FuzzInput::bytes(data, size));
    const SampleStore before = earlier();
    SampleStore store = before;
    const LogFile::LoadStatus status = LogFile::load(path, store);
    if (status != LogFile::LoadStatus::Loaded) {
        // All or nothing: a refused file leaves no trace.
        FUZZ_CHECK(same(store, before));
        FUZZ_CHECK((status == LogFile::LoadStatus::Empty) == (size == 0));
        return 0;
    }
    FUZZ_CHECK(store.held);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        FUZZ_CHECK(std::isfinite(store.RunVolt(n)) && std::isfinite(store.RunCur(n)));
    }
    // What was loaded saves and loads back.
    const QString copy = FuzzInput::scratchPath(u"copy.csv"_qs);
    FUZZ_CHECK(LogFile::save(copy, store));
    SampleStore again = before;
    FUZZ_CHECK(LogFile::load(copy, again) == LogFile::LoadStatus::Loaded);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        FUZZ_CHECK(close(store.RunVolt(n), again.RunVolt(n)));
        FUZZ_CHECK(close(store.RunCur(n), again.RunCur(n)));
    }
    return 0;
}
