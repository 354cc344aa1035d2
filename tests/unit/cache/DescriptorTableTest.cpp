// Leaf-2 bytes of the later manuals against the manual's own rows (the 48 of 2002:
// DecodeDescriptorTest.cpp and the dumps of tests/unit/probe/ProbeDumpsTest.cpp).
#include <gtest/gtest.h>

#include "cache/DecodeDescriptor.h"
#include "cache/DescriptorTable.h"
#include "cache/GridExpectations.h"
#include "cpu/ProcessorRecord.h"

namespace {

struct DescriptorTableTest : ::testing::Test {
    void SetUp() override {
        ResetCacheRecords();
        processorRecord = {};
        notice.descriptors.clear();
    }
    RecordingNotice notice;
};

// Every byte the current manual lists (and the sectored caches and trace cache of the mid-2000s
// tables) decodes without the notice; so do the seed's.
constexpr uint8_t kDocumented[] = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x1D, 0x21, 0x22, 0x23, 0x24,
    0x25, 0x29, 0x2C, 0x30, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47,
    0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x55, 0x56, 0x57, 0x59, 0x5A, 0x5B, 0x5C,
    0x5D, 0x60, 0x61, 0x63, 0x64, 0x66, 0x67, 0x68, 0x6A, 0x6B, 0x6C, 0x6D, 0x70, 0x71, 0x72, 0x73, 0x76, 0x78,
    0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7F, 0x80, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0xA0, 0xB0, 0xB1, 0xB2, 0xB3,
    0xB4, 0xB5, 0xB6, 0xBA, 0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xCA, 0xD0, 0xD1, 0xD2, 0xD6, 0xD7, 0xD8, 0xDC, 0xDD,
    0xDE, 0xE2, 0xE3, 0xE4, 0xEA, 0xEB, 0xEC, 0xF0, 0xF1, 0xFE, 0xFF,
};

}  // namespace

// A byte missing from the manuals raises the notice once each time it is met, and adds nothing.
TEST_F(DescriptorTableTest, OnlyUndocumentedBytesRaiseTheNotice) {
    bool documented[256] = {};
    for (uint8_t byte : kDocumented) documented[byte] = true;
    std::vector<uint32_t> expected;
    for (uint32_t byte = 1; byte < 256; ++byte) {
        DecodeDescriptor(byte, notice);
        if (!documented[byte]) expected.push_back(byte);
    }
    EXPECT_EQ(notice.descriptors, expected);
    EXPECT_EQ(expected.size(), 255u - sizeof kDocumented);
}

// The manual's description of each byte, as the rows show it. A byte describing two TLBs gives
// two rows; the prefetch bytes and those naming another leaf give none.
TEST_F(DescriptorTableTest, RowsAsTheManualDescribesThem) {
    const struct { uint8_t byte; bool level1; std::vector<ExpectedRow> rows; CacheTotals totals; } cases[] = {
        {0x05, true, {{"Data TLB, 5", "4M pages", "32 Entries", "4-Way", "No"}}, {}},
        {0x0E, true, {{"Data, 14", "24 KB", "64 Byte Line", "6-Way", "No"}}, {0, 24, 0, 0}},
        {0x4F, true, {{"Inst TLB, 79", "4K pages", "32 Entries", "", "No"}}, {}},
        {0x6D, true, {{"Data TLB, 109", "1G pages", "16 Entries", "Fully", "No"}}, {}},
        {0xC2, true, {{"Data TLB, 194", "4K or 2M pages", "16 Entries", "4-Way", "No"}}, {}},
        {0x3D, false, {{"Combined, 61", "384 KB", "64 Byte Line", "6-Way", "Yes"}}, {0, 0, 384, 0}},
        {0x4E, false, {{"Combined, 78", "6144 KB", "64 Byte Line", "24-Way", "No"}}, {0, 0, 6144, 0}},
        {0x55, true, {{"Inst TLB, 85", "2M or 4M pages", "7 Entries", "Fully", "No"}}, {}},
        {0x63, true, {{"Data TLB, 99", "2M or 4M pages", "32 Entries", "4-Way", "No"},
                      {"Data TLB, 99", "1G pages", "4 Entries", "4-Way", "No"}}, {}},
        {0x73, true, {{"Trace, 115", "64 K-\xB5ops", "", "8-Way", "No"}}, {64, 0, 0, 0}},
        {0xB1, true, {{"Inst TLB, 177", "2M pages", "8 Entries", "4-Way", "No"},
                      {"Inst TLB, 177", "4M pages", "4 Entries", "4-Way", "No"}}, {}},
        {0xC3, false, {{"Unified TLB, 195", "4K or 2M pages", "1536 Entries", "6-Way", "No"},
                       {"Unified TLB, 195", "1G pages", "16 Entries", "4-Way", "No"}}, {}},
        {0xCA, false, {{"Unified TLB, 202", "4K pages", "512 Entries", "4-Way", "No"}}, {}},
        {0xDC, false, {{"L3 Combined, 220", "1536 KB", "64 Byte Line", "12-Way", "No"}}, {0, 0, 0, 1536}},
        {0xEC, false, {{"L3 Combined, 236", "24576 KB", "64 Byte Line", "24-Way", "No"}}, {0, 0, 0, 24576}},
        {0xF0, true, {}, {}},
        {0xFF, true, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.byte);
        SetUp();
        DecodeDescriptor(c.byte, notice);
        ExpectRows(c.level1 ? level1Grid : level23Grid, c.rows);
        EXPECT_EQ((c.level1 ? level23Grid : level1Grid).rowCount, 0u);
        EXPECT_EQ(std::make_tuple(cacheTotals.l1Instruction, cacheTotals.l1Data, cacheTotals.l2, cacheTotals.l3),
                  std::make_tuple(c.totals.l1Instruction, c.totals.l1Data, c.totals.l2, c.totals.l3));
        EXPECT_TRUE(notice.descriptors.empty());
    }
}

// 0x49 is the level 3 of family 15 model 6 only (leaf 1 EAX bits 8-11 and 4-7).
TEST_F(DescriptorTableTest, Byte49IsLevel3OnlyOnFamily15Model6) {
    const struct { uint32_t family, model; const char* type; CacheTotals totals; } cases[] = {
        {15, 6, "L3 Combined, 73", {0, 0, 0, 4096}}, {15, 4, "Combined, 73", {0, 0, 4096, 0}},
        {6, 6, "Combined, 73", {0, 0, 4096, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.family << "/" << c.model);
        SetUp();
        processorRecord.cpuFamily = c.family;
        processorRecord.cpuModel = c.model;
        DecodeDescriptor(0x49, notice);
        ExpectRows(level23Grid, {{c.type, "4096 KB", "64 Byte Line", "16-Way", "No"}});
        EXPECT_EQ(cacheTotals.l2, c.totals.l2);
        EXPECT_EQ(cacheTotals.l3, c.totals.l3);
    }
}

// Each page-size set in at most 19 characters, the seed's five texts among them.
TEST(PageSizeTextTest, EverySetFitsACell) {
    const struct { uint32_t pages; const char* text; } cases[] = {
        {0, ""}, {kPages4K, "4K pages"}, {kPages2M, "2M pages"}, {kPages4M, "4M pages"},
        {kPages4KOr4M, "4K or 4M pages"}, {kPages4K2MOr4M, "4K, 2M or 4M pages"}, {kPages1G, "1G pages"},
        {kPages2M | kPages4M | kPages1G, "2M, 4M or 1G pages"}, {0xF, "4K/2M/4M/1G pages"}, {0xF0, ""},
    };
    for (const auto& c : cases) {
        char text[20];
        PageSizeText(c.pages, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.pages;
    }
}
