// Text routines: number formatting, searching and bounded copying.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "text/TextRoutines.h"

// Into junk-filled buffers of the documented size; the most negative value has a magnitude too.
TEST(TextRoutines, DecimalAndHexTexts) {
    const struct { int32_t value; const char* decimal; const char* hex; } cases[] = {
        {0, "0", "00000000"},   {INT32_MAX, "2147483647", "7FFFFFFF"}, {INT32_MIN, "-2147483648", "80000000"},
        {-1, "-1", "FFFFFFFF"}, {-559038737, "-559038737", "DEADBEEF"},
    };
    for (const auto& c : cases) {
        char decimal[kDecimalTextSize] = "xxxxxxxxxxx";
        char hex[kHexTextSize];
        std::memset(hex, 'x', sizeof hex);   // always 8 digits: only a written terminator ends it
        DecimalText(c.value, decimal);
        HexText(static_cast<uint32_t>(c.value), hex);
        EXPECT_STREQ(c.decimal, decimal);
        EXPECT_STREQ(c.hex, hex);
    }
}

// 1-based positions; -1 when the pattern is not shorter than the text, -2 when start leaves no room.
TEST(TextRoutines, FindTextPositionsAndErrorResults) {
    const struct { int start; const char* text; const char* pattern; int expected; } cases[] = {
        {1, "abcabc", "bc", 2}, {3, "abcabc", "bc", 5}, {5, "abcabc", "bc", 5}, {6, "abcabc", "c", 6},
        {1, "abcabc", "x", 0}, {1, "abcabc", "bcd", 0}, {1, "ab", "ab", -1}, {1, "ab", "abc", -1}, {1, "", "", -1},
        {0, "abcabc", "bc", -2}, {-5, "abcabc", "bc", -2}, {6, "abcabc", "bc", -2}, {5, "abcabc", "bcx", -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.pattern + " from " + std::to_string(c.start));
        EXPECT_EQ(c.expected, FindText(c.start, c.text, c.pattern));
    }
}

// Into an 8-byte buffer: cut to 7 characters, always terminated, never reading past a source's end.
// Reversing and spans of whole paths: the settings tests' directory cut.
TEST(TextRoutines, CopiesStayWithinTheirBuffers) {
    const char* const junk = "xxxxxxx";
    const struct { const char* before; void (*write)(char* out); const char* expected; } cases[] = {
        {junk, [](char* out) { TrimLeading(" \t \tIntel  ", out, 8); }, "Intel  "},
        {junk, [](char* out) { TrimLeading("   ", out, 8); }, ""}, {junk, [](char* out) { TrimLeading("\nx", out, 8); }, "\nx"},
        {junk, [](char* out) { ReverseText("0123456789", out, 8); }, "6543210"},
        {junk, [](char* out) { CopySpan("abcd", out, 1, 2); }, "bc"},
        {junk, [](char* out) { CopySpan("abc", out, 1, 10); }, "bc"},
        {junk, [](char* out) { CopySpan("abc", out, 7, 2); }, ""},
        {junk, [](char* out) { CopyText("Calculating...", out, 8); }, "Calcula"},
        {"999", [](char* out) { AppendText(" MHz", out, 8); }, "999 MHz"},
        {"999 MHz", [](char* out) { AppendText("!", out, 8); }, "999 MHz"},
        {"", [](char* out) { AppendDecimal(-42, out, 8); }, "-42"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        char out[8];
        std::strcpy(out, c.before);
        c.write(out);
        EXPECT_STREQ(c.expected, out);
    }
}
