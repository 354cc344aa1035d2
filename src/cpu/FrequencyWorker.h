// Keeps at most one frequency worker running, and none without a time-stamp counter.
#pragma once
#include <cstdint>

// Leaf 1 EDX bit 4: without a time-stamp counter nothing may execute RDTSC.
bool HasTimeStampCounter(uint32_t featuresEdx);
// True when the caller may start a worker: the processor has a time-stamp counter
// (leaf 1 EDX bit 4) and no worker runs. The caller then owns the claim.
bool ClaimFrequencyWorker(uint32_t featuresEdx);
// At the end of a pass: true to measure again; false when the worker is to end,
// its claim released.
bool ContinueFrequencyWorker();
// For a worker that could not be started after its claim.
void ReleaseFrequencyWorker();
