// Text routines: number formatting, searching and bounded copying.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

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
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, FindText(c.start, c.text, c.pattern)) << c.text << " / " << c.pattern << " from " << c.start;
}

// Into an 8-byte buffer (junk-filled unless given): cut to 7 characters, always terminated, never reading past a
// source's end. Reversing and spans of whole paths: the settings tests' directory cut.
TEST(TextRoutines, CopiesStayWithinTheirBuffers) {
    const struct { void (*write)(char* out); const char* expected; const char* before = "xxxxxxx"; } cases[] = {
        {[](char* out) { TrimLeading(" \t \tIntel  ", out, 8); }, "Intel  "}, {[](char* out) { TrimLeading("   ", out, 8); }, ""},
        {[](char* out) { TrimLeading("\nx", out, 8); }, "\nx"}, {[](char* out) { CopySpan("abcd", out, 1, 2); }, "bc"},
        {[](char* out) { ReverseText("0123456789", out, 8); }, "6543210"}, {[](char* out) { CopySpan("abc", out, 7, 2); }, ""},
        {[](char* out) { CopySpan("abc", out, 1, 10); }, "bc"}, {[](char* out) { AppendDecimal(-42, out, 8); }, "-42", ""},
        {[](char* out) { CopyText("Calculating...", out, 8); }, "Calcula"},
        {[](char* out) { AppendText(" MHz", out, 8); }, "999 MHz", "999"},
        {[](char* out) { AppendText("!", out, 8); }, "999 MHz", "999 MHz"},
    };
    for (const auto& c : cases) {
        char out[8];
        std::strcpy(out, c.before);
        c.write(out);
        EXPECT_STREQ(c.expected, out) << "case " << &c - cases;
    }
}
