// The system page apart from its window: the machine texts it shows and the measuring settings
// it applies when it is left.
#pragma once
#include <cstdint>

#include "ui/PageControls.h"

// The byte counts of the platform's memory status: 64-bit where the platform has them, so that
// memory above 4 GB is counted.
struct MemoryFigures {
    uint64_t availablePhysical;
    uint64_t totalPhysical;
    uint64_t availablePageFile;
    uint64_t totalPageFile;
};

constexpr uint32_t kMeasuringSecondsForZero = 5;   // what an empty, zero or non-number box stores

// Page initialisation: the cache test not run yet, the Windows version and the memory texts.
void InitSystemPage(PageControls& page, const MemoryFigures& memory);
// The address of the computer's name, or nullptr when the lookup failed ("Unknown").
void ShowIpAddress(PageControls& page, const char* dottedAddress);
// Timer 1: the uptime from the platform's millisecond counter.
void ShowUptime(PageControls& page, uint32_t milliseconds);
// Kill-active: the seconds the box yields (0 for an empty box or text) and whether the check box
// is ticked become the settings. True when a frequency worker is to be started: measuring was
// not continuous and now is.
bool ApplyMeasuringSettings(bool continuousTicked, uint32_t boxSeconds);
