// The frequency worker's pass and its arithmetic, free of any platform call.
#include "cpu/FrequencyMeasure.h"

#include "cpu/FrequencyResult.h"
#include "cpu/MeasuringSettings.h"
#include "text/TextRoutines.h"
#include "text/WideDivide.h"

// A quotient beyond 32 bits (a counter that jumped) reads as the largest value; the
// divisor is at most 3,600,000,000 and fits 32 bits.
uint32_t MegahertzFromTicks(uint64_t ticks, uint32_t seconds) {
    const uint64_t quotient = DivideWide(ticks, BoundMeasuringSeconds(seconds) * 1000000u);
    return quotient > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(quotient);
}

// The 64-bit difference stays right across a counter wrap. A counter that went backwards
// (after a suspend, or read on two processors whose counters differ) gives a huge
// difference, a stopped one none: such a pass is no measurement and changes nothing.
uint32_t MeasureFrequencyPass(FrequencyClock& clock, uint32_t seconds) {
    const uint32_t bounded = BoundMeasuringSeconds(seconds);
    const uint64_t start = clock.ReadTimeStamp();
    clock.SleepMilliseconds(bounded * 1000);
    const uint64_t ticks = clock.ReadTimeStamp() - start;
    const uint32_t megahertz = MegahertzFromTicks(ticks, bounded);
    if (megahertz == 0 || megahertz > kMostPlausibleMegahertz) return 0;
    measuredMhz.store(megahertz, std::memory_order_relaxed);
    PublishMegahertz(megahertz);
    return megahertz;
}

void PublishMegahertz(uint32_t megahertz) {
    char text[kFrequencyTextSize] = "";
    AppendUnsigned(megahertz, text, sizeof text);
    AppendText(" MHz", text, sizeof text);
    PublishFrequencyText(text);
}

void PublishCalculating() { PublishFrequencyText("Calculating..."); }
