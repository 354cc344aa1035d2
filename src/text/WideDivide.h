// Division of a 64-bit value by a 32-bit one without a compiler runtime helper.
#pragma once
#include <cstdint>

// The whole quotient; divisor 0 gives 0.
uint64_t DivideWide(uint64_t dividend, uint32_t divisor);
