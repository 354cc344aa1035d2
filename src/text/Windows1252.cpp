// Windows-1252 differs from ISO 8859-1 only in bytes 80-9F.
#include "text/Windows1252.h"

namespace {

// clang-format off
constexpr uint16_t kHighControlRow[32] = {
//  x0      x1      x2      x3      x4      x5      x6      x7
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,   // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,   // 98
};
// clang-format on

}  // namespace

uint32_t Windows1252CodePoint(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControlRow[byte - 0x80] : byte;
}
