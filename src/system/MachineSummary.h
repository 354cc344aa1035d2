// The machine texts the system page builds and the report prints again.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kSummaryTextSize = 128;

struct MachineSummary {
    char uptimeText[kSummaryTextSize];
    char physicalMemoryText[kSummaryTextSize];
    char virtualMemoryText[kSummaryTextSize];
    char ipAddressText[kSummaryTextSize];       // written only when the lookup succeeds
};

// Written by the system page on the user-interface thread; empty at start-up.
extern MachineSummary machineSummary;

// "1 Dys, 1 Hrs, 1 Mns, 1 Scs": the non-zero components, "" for 0 seconds.
void FormatUptime(uint32_t seconds, char* output, size_t capacity);
// "<available KB> KBytes Available / <total KB> KBytes Total" from byte counts.
void FormatMemoryText(uint64_t availableBytes, uint64_t totalBytes, char* output, size_t capacity);
