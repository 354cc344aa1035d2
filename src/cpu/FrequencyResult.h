// The measured clock, shared between the frequency worker and its readers.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>

constexpr size_t kFrequencyTextSize = 128;

// Last measured clock in whole MHz; 0 without a time-stamp counter.
extern std::atomic<uint32_t> measuredMhz;

// Replaces frequencyText (cut to 127 bytes). Any thread may publish.
void PublishFrequencyText(const char* text);
// Copies the last complete frequencyText into out (cut to cap - 1 bytes).
void ReadFrequencyText(char* out, size_t cap);
// measuredMhz 0 and frequencyText empty, as at start-up (for tests).
void ResetFrequencyResult();
