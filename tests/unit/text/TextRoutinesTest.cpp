// Text routines: number formatting, searching and bounded copying.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "text/TextRoutines.h"

TEST(TextRoutines, DecimalTextCoversSignAndExtremes) {
    struct Case { int32_t value; const char* expected; };
    const Case cases[] = {
        {0, "0"}, {7, "7"}, {10, "10"}, {-1, "-1"}, {1000000, "1000000"},
        {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        char out[kDecimalTextSize];
        std::memset(out, 'x', sizeof out);
        DecimalText(c.value, out);
        EXPECT_STREQ(c.expected, out);
    }
}

TEST(TextRoutines, HexTextIsEightUpperCaseDigits) {
    char out[kHexTextSize];
    HexText(0, out);
    EXPECT_STREQ("00000000", out);
    HexText(0x6fb, out);
    EXPECT_STREQ("000006FB", out);
    HexText(0xDEADBEEF, out);
    EXPECT_STREQ("DEADBEEF", out);
}

TEST(TextRoutines, FindTextPositionsAndErrorResults) {
    struct Case { int start; const char* text; const char* pattern; int expected; };
    const Case cases[] = {
        {1, "abcabc", "bc", 2},       // first occurrence, 1-based
        {3, "abcabc", "bc", 5},       // search begins at start
        {5, "abcabc", "bc", 5},       // an occurrence exactly at start
        {1, "abcabc", "x", 0},        // none
        {1, "abcabc", "bcd", 0},
        {1, "ab", "ab", -1},          // pattern not shorter than text
        {1, "ab", "abc", -1},
        {1, "", "", -1},
        {0, "abcabc", "bc", -2},      // start below 1
        {-5, "abcabc", "bc", -2},
        {6, "abcabc", "bc", -2},      // no room left for the pattern
        {5, "abcabc", "bcx", -2},
        {6, "abcabc", "c", 6},        // last possible place
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.pattern + " from " + std::to_string(c.start));
        EXPECT_EQ(c.expected, FindText(c.start, c.text, c.pattern));
    }
}

TEST(TextRoutines, TrimLeadingDropsBlanksAndTabsOnly) {
    char out[32];
    TrimLeading(" \t \tIntel(R)  ", out, sizeof out);
    EXPECT_STREQ("Intel(R)  ", out);
    TrimLeading("   ", out, sizeof out);
    EXPECT_STREQ("", out);
    TrimLeading("\nx", out, sizeof out);
    EXPECT_STREQ("\nx", out);
}

TEST(TextRoutines, ReverseText) {
    char out[16];
    ReverseText("C:\\a\\b", out, sizeof out);
    EXPECT_STREQ("b\\a\\:C", out);
    std::strcpy(out, "junk");
    ReverseText("", out, sizeof out);
    EXPECT_STREQ("", out);
}

TEST(TextRoutines, CopySpanCopiesCountBytesAndStopsAtTheEnd) {
    char out[16];
    CopySpan("abcdef", out, 1, 3);
    EXPECT_STREQ("bcd", out);
    CopySpan("abcdef", out, 0, 0);
    EXPECT_STREQ("", out);
    CopySpan("abc", out, 1, 10);   // never reads past the terminator
    EXPECT_STREQ("bc", out);
    CopySpan("abc", out, 7, 2);
    EXPECT_STREQ("", out);
}

TEST(TextRoutines, BoundedCopyAndAppendNeverOverrun) {
    char out[8];
    CopyText("Calculating...", out, sizeof out);
    EXPECT_STREQ("Calcula", out);
    CopyText("999", out, sizeof out);
    AppendText(" MHz", out, sizeof out);
    EXPECT_STREQ("999 MHz", out);
    AppendText("!", out, sizeof out);
    EXPECT_STREQ("999 MHz", out);
    CopyText("", out, sizeof out);
    AppendDecimal(-42, out, sizeof out);
    EXPECT_STREQ("-42", out);
    EXPECT_EQ(3u, TextLength(out));
}
