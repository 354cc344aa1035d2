// One clock measurement: time-stamp ticks across a sleep, as whole MHz.
#pragma once
#include <cstdint>

// Not deleted through this interface (see PageControls).
class FrequencyClock {
public:
    virtual uint64_t ReadTimeStamp() = 0;
    virtual void SleepMilliseconds(uint32_t milliseconds) = 0;

protected:
    ~FrequencyClock() = default;
};

// Ticks per microsecond, truncated; saturates where the quotient exceeds 32 bits.
uint32_t MegahertzFromTicks(uint64_t ticks, uint32_t seconds);
// Clocks above this (100 GHz) come from a counter that jumped, not from a processor.
constexpr uint32_t kMostPlausibleMegahertz = 100000;

// Reads the counter, sleeps the bounded seconds, reads again; stores and publishes the
// result as "N MHz" and returns it. A count that is no plausible clock (0 MHz, or more
// than kMostPlausibleMegahertz) is discarded: nothing changes and the result is 0.
uint32_t MeasureFrequencyPass(FrequencyClock& clock, uint32_t seconds);
// frequencyText "N MHz".
void PublishMegahertz(uint32_t megahertz);
// frequencyText "Calculating...", shown until the first pass ends.
void PublishCalculating();
