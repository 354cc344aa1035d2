// Long division one bit at a time: the executable has no runtime library, and the compiler
// would turn a 64-bit '/' into a call to one; shifts, compares and subtractions of 64-bit
// values it does with pairs of 32-bit instructions that every 386 has.
#include "text/WideDivide.h"

uint64_t DivideWide(uint64_t dividend, uint32_t divisor) {
    if (divisor == 0) return 0;
    uint64_t quotient = 0;
    uint64_t remainder = 0;   // stays below the divisor, so shifting it left never overflows
    for (int bit = 63; bit >= 0; --bit) {
        remainder = (remainder << 1) | ((dividend >> bit) & 1);
        quotient <<= 1;
        if (remainder >= divisor) {
            remainder -= divisor;
            quotient |= 1;
        }
    }
    return quotient;
}
