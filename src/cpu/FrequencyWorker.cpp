// The worker's claim: continuous measuring may be switched off and on while a
// pass runs, and that must never leave two workers (or none) measuring.
#include "cpu/FrequencyWorker.h"

#include <atomic>

#include "cpu/MeasuringSettings.h"

namespace {

constexpr uint32_t kTimeStampCounterBit = 1u << 4;   // leaf 1 EDX bit 4
std::atomic<uint32_t> frequencyWorkerRunning{0};

// An exchange (XCHG, which every 386 has) takes the claim when it was free: of any number of
// callers at once exactly one sees the old 0.
bool TakeClaim() {
    return frequencyWorkerRunning.exchange(1) == 0;
}

}  // namespace

bool HasTimeStampCounter(uint32_t featuresEdx) {
    return (featuresEdx & kTimeStampCounterBit) != 0;
}

bool ClaimFrequencyWorker(uint32_t featuresEdx) {
    return HasTimeStampCounter(featuresEdx) && TakeClaim();
}

bool ContinueFrequencyWorker() {
    if (continuousMeasuring == 1) return true;
    frequencyWorkerRunning = 0;
    // Switched on again after the check above: the page that did so found a worker
    // running and started none, so this one carries on if nobody took the claim since.
    return continuousMeasuring == 1 && TakeClaim();
}

void ReleaseFrequencyWorker() {
    frequencyWorkerRunning = 0;
}
