// Extended-leaf decoding (every level-1 row kind with its totals, full and zero level-2 TLB
// registers: the AMD and Transmeta dumps of tests/unit/probe/ProbeDumpsTest.cpp).
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "cache/ExtendedLeafDecoding.h"
#include "cache/GridExpectations.h"
#include "cpu/ProcessorRecord.h"

// A new probe's grids still hold an earlier one's texts, here a leaf-2 row's "Yes" in every
// Sectored cell: extended-leaf rows leave that cell alone.
struct ExtendedLeafTest : ::testing::Test {
    void SetUp() override {
        ResetCacheRecords();
        for (CacheGrid* grid : {&level1Grid, &level23Grid})
            for (CacheRow& row : grid->rows) std::strcpy(row.cells[kSectoredCell], "Yes");
    }
};

// Leaf 0x80000005 gives the ways as a byte, leaf 0x80000006 as a nibble with codes of its own;
// code 9 defers to leaf 0x8000001D, whose ways the row shows where the processor gives them.
TEST_F(ExtendedLeafTest, AssociationCodes) {
    const struct { uint32_t code; const char* text; } eightBit[] = {
        {0, "Off"}, {1, "Direct"}, {2, "2-Way"}, {3, "3-Way"}, {4, "4-Way"}, {8, "8-Way"}, {12, "12-Way"},
        {16, "16-Way"}, {32, "32-Way"}, {254, "254-Way"}, {255, "Fully"}};
    for (const auto& c : eightBit) {
        SetUp();
        DecodeL1Cache(1, 0x10000040 | (c.code << 16));
        EXPECT_STREQ(level1Grid.rows[0].cells[kAssociationCell], c.text) << "byte " << c.code;
        EXPECT_STREQ(level1Grid.rows[0].cells[kSectoredCell], "Yes");
    }
    const char* const fourBit[16] = {"Off",     "Direct", "2-Way",  "3-Way",  "4-Way",   "6-Way",  "8-Way",  "Off",
                                     "16-Way",  "Unknown", "32-Way", "48-Way", "64-Way", "96-Way", "128-Way", "Fully"};
    processorRecord.cpuFamily = 15;
    const CacheParameters l2 = {3, 2, 20, 64, 2048};
    for (uint32_t code = 0; code < 16; ++code) {
        SetUp();
        DecodeL2Cache(0x01000040 | (code << 12));
        DecodeL2Cache(0x01000040 | (code << 12), l2);
        EXPECT_STREQ(level23Grid.rows[0].cells[kAssociationCell], fourBit[code]) << "nibble " << code;
        EXPECT_STREQ(level23Grid.rows[1].cells[kAssociationCell], code == 9 ? "20-Way" : fourBit[code]) << "nibble " << code;
        EXPECT_STREQ(level23Grid.rows[1].cells[kMemoryCell], "2048 KB");
    }
}

// Leaf 0x80000006 EDX: bits 18-31 the size in 512 KB units, none when 0; leaf 0x8000001D's size
// per instance where the processor gives one (two core complexes' 32 MB read as one's 16 MB).
TEST_F(ExtendedLeafTest, Level3FromEdxOrPerInstance) {
    DecodeL3Cache(0x00009140);
    EXPECT_EQ(level23Grid.rowCount, 0u);
    EXPECT_EQ(cacheTotals.l3, 0u);
    DecodeL3Cache(0x02009140);
    DecodeL3Cache(0x01009140, {3, 3, 16, 64, 16384});
    ExpectRows(level23Grid, {{"L3 Combined", "65536 KB", "64 Byte Line", "Unknown", "Yes"},
                             {"L3 Combined", "16384 KB", "64 Byte Line", "16-Way", "Yes"}});
    EXPECT_EQ(cacheTotals.l3, 16384u);
}

// ECX 01 00 81 40: 256 KB from bits 16-31 except on family 6, whose size comes
// from the model and whose ways always read 16-way.
TEST_F(ExtendedLeafTest, Level2SizeFollowsModelOnFamily6) {
    const struct { uint32_t family, model, sizeKb; } cases[] = {
        {15, 3, 256}, {5, 0, 256}, {6, 0, 512}, {6, 2, 512}, {6, 3, 64}, {6, 4, 256},
        {6, 6, 256}, {6, 7, 64}, {6, 8, 256}, {6, 10, 512}, {6, 15, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "family " << c.family << " model " << c.model);
        SetUp();
        processorRecord.cpuFamily = c.family;
        processorRecord.cpuModel = c.model;
        DecodeL2Cache(0x01008140);
        const std::string memory = std::to_string(c.sizeKb) + " KB";
        ExpectRows(level23Grid, {{"Combined", memory.c_str(), "64 Byte Line", "16-Way", "Yes"}});
        EXPECT_EQ(cacheTotals.l2, c.sizeKb);
    }
}

// A register whose data half is zero adds no row, even with an instruction half, but makes the
// next register's row a unified one, until a new probe's reset.
TEST_F(ExtendedLeafTest, ZeroDataHalfMakesTheNextTlbRowUnified) {
    DecodeL2Tlb(1, 0x00001234);
    DecodeL2Tlb(2, 0x42004200);
    ExpectRows(level23Grid, {{"Unified TLB", "512 Entries", "4K pages", "4-Way", "Yes"}});
    ResetCacheResults();
    DecodeL2Tlb(2, 0x42004200);
    EXPECT_STREQ(level23Grid.rows[0].cells[kTypeCell], "Data TLB");
}
