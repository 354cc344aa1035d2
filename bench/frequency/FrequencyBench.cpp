// Clock accuracy: one measuring pass of the frequency worker on this machine,
// with the real time-stamp counter and a real sleep.
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "cpu/FrequencyMeasure.h"

namespace {

class HostClock : public FrequencyClock {
public:
    uint64_t ReadTimeStamp() override { return __builtin_ia32_rdtsc(); }
    void SleepMilliseconds(uint32_t milliseconds) override {
        timespec pause = {static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
        while (nanosleep(&pause, &pause) != 0) {}
    }
};

}  // namespace

int main(int argc, char** argv) {
    const uint32_t seconds = argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 3;
    HostClock clock;
    std::printf("%u\n", MeasureFrequencyPass(clock, seconds));
    return 0;
}
