// The two settings of the clock measurement, shared with the frequency worker; the settings
// file stores them.
#pragma once
#include <atomic>
#include <cstdint>

constexpr uint32_t kDefaultMeasuringSeconds = 3;
constexpr uint32_t kMaxMeasuringSeconds = 3600;

// Read by the frequency worker at every pass, written by the system page and the settings file.
extern std::atomic<uint32_t> measuringSeconds;
extern std::atomic<uint32_t> continuousMeasuring;

// 0 gives the default, anything above an hour an hour.
uint32_t BoundMeasuringSeconds(uint32_t seconds);
