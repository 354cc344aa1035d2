// The persistent state of the processor description.
#pragma once
#include <cstdint>

struct DescribeState {
    // 1 while the detected processor, not a browsed database entry, is described.
    uint32_t showingDetected;
};

extern DescribeState describeState;
