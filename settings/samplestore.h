#pragma once

#include <array>

// The run log: 512 samples of battery voltage and motor current, numbered
// 1..512. The exact value -1 marks a missing sample of a channel.
struct SampleStore {
    static constexpr int Count = 512;
    static constexpr float Missing = -1.0f;

    std::array<float, Count> volt {};
    std::array<float, Count> cur {};
    // Set by a good Get or a good log load; a missing first sample says nothing.
    bool held = false;

    SampleStore() { volt[0] = Missing; }

    float& voltsAt(int n) { return volt[n - 1]; }
    float& ampsAt(int n) { return cur[n - 1]; }
    float voltsAt(int n) const { return volt[n - 1]; }
    float ampsAt(int n) const { return cur[n - 1]; }
};
