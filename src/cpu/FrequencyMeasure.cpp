// The frequency worker's pass and its arithmetic, free of any platform call.
#include "cpu/FrequencyMeasure.h"

#include "cpu/FrequencyResult.h"
#include "text/TextRoutines.h"

// A hardware 64-by-32-bit divide faults when the quotient needs more than 32
// bits (a counter that jumped); the clock then reads as the largest value.
uint32_t MegahertzFromTicks(uint64_t ticks, uint32_t seconds) {
    const uint64_t divisor = static_cast<uint64_t>(BoundMeasuringSeconds(seconds)) * 1000000u;
    const uint64_t quotient = ticks / divisor;
    return quotient > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(quotient);
}

// The 64-bit difference stays right across a counter wrap.
uint32_t MeasureFrequencyPass(FrequencyClock& clock, uint32_t seconds) {
    const uint32_t bounded = BoundMeasuringSeconds(seconds);
    const uint64_t start = clock.ReadTimeStamp();
    clock.SleepMilliseconds(bounded * 1000);
    const uint64_t ticks = clock.ReadTimeStamp() - start;
    const uint32_t megahertz = MegahertzFromTicks(ticks, bounded);
    measuredMhz.store(megahertz, std::memory_order_relaxed);
    PublishMegahertz(megahertz);
    return megahertz;
}

// The value is unsigned and AppendDecimal signed, so the last digit is
// appended separately; every value up to 4294967295 then fits.
void PublishMegahertz(uint32_t megahertz) {
    char text[kFrequencyTextSize] = "";
    if (megahertz >= 10) AppendDecimal(static_cast<int32_t>(megahertz / 10), text, sizeof text);
    AppendDecimal(static_cast<int32_t>(megahertz % 10), text, sizeof text);
    AppendText(" MHz", text, sizeof text);
    PublishFrequencyText(text);
}

void PublishCalculating() { PublishFrequencyText("Calculating..."); }
