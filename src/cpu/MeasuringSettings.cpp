// The clock measurement's settings and their bounds.
#include "cpu/MeasuringSettings.h"

std::atomic<uint32_t> measuringSeconds{kDefaultMeasuringSeconds};
std::atomic<uint32_t> continuousMeasuring{0};

uint32_t BoundMeasuringSeconds(uint32_t seconds) {
    if (seconds == 0) return kDefaultMeasuringSeconds;
    return seconds > kMaxMeasuringSeconds ? kMaxMeasuringSeconds : seconds;
}
