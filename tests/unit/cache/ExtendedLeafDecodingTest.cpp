// Extended-leaf decoding: leaf 0x80000005 and 0x80000006 registers into rows and totals.
#include <gtest/gtest.h>

#include "cache/ExtendedLeafDecoding.h"
#include "cache/GridExpectations.h"
#include "cpu/ProcessorRecord.h"

class ExtendedLeafTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCacheRecords();
        processorRecord = {};
    }
};

// Level-1 rows in the order decoded: caches assign their totals (not add), TLBs give a data
// then an instruction row per register.
TEST_F(ExtendedLeafTest, Level1RowsAndTotals) {
    cacheTotals.l1Data = 8;
    DecodeL1Cache(1, 0x40020140);
    DecodeL1Cache(2, 0x40020140);
    DecodeL1Cache(2, 0x20040120);
    DecodeL1Tlb(1, 0xFF08FF08);
    DecodeL1Tlb(2, 0x04200110);
    ExpectRows(level1Grid, {{"Data", "64 KB", "64 Byte Line", "2-Way", ""},
                            {"Instruction", "64 KB", "64 Byte Line", "2-Way", ""},
                            {"Instruction", "32 KB", "32 Byte Line", "4-Way", ""},
                            {"Data TLB", "8 Entries", "4/2 M pages", "Fully", ""},
                            {"Inst TLB", "8 Entries", "4/2 M pages", "Fully", ""},
                            {"Data TLB", "32 Entries", "4K pages", "4-Way", ""},
                            {"Inst TLB", "16 Entries", "4K pages", "Off", ""}});
    EXPECT_EQ(cacheTotals.l1Data, 64u);
    EXPECT_EQ(cacheTotals.l1Instruction, 32u);
}

// Leaf 0x80000005 gives the ways as a byte, leaf 0x80000006 as a nibble with codes of its own.
TEST_F(ExtendedLeafTest, AssociationCodes) {
    const struct { uint32_t code; const char* text; } eightBit[] = {
        {0, "Off"}, {1, "Off"}, {2, "2-Way"}, {3, "Off"}, {4, "4-Way"}, {8, "8-Way"},
        {16, "16-Way"}, {32, "Off"}, {254, "Off"}, {255, "Fully"},
    };
    for (const auto& c : eightBit) {
        ResetCacheRecords();
        DecodeL1Cache(1, 0x10000040 | (c.code << 16));
        EXPECT_STREQ(level1Grid.rows[0].cells[kAssociationCell], c.text) << "byte " << c.code;
    }
    const char* const fourBit[16] = {"Off", "Direct", "2-Way", "Off", "4-Way", "Off", "8-Way", "Off",
                                     "16-Way", "Off", "Off", "Off", "Off", "Off", "Off", "Fully"};
    processorRecord.cpuFamily = 15;
    for (uint32_t code = 0; code < 16; ++code) {
        ResetCacheRecords();
        DecodeL2Cache(0x01000040 | (code << 12));
        EXPECT_STREQ(level23Grid.rows[0].cells[kAssociationCell], fourBit[code]) << "nibble " << code;
    }
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
        ResetCacheRecords();
        processorRecord.cpuFamily = c.family;
        processorRecord.cpuModel = c.model;
        DecodeL2Cache(0x01008140);
        const std::string memory = std::to_string(c.sizeKb) + " KB";
        ExpectRows(level23Grid, {{"Combined", memory.c_str(), "64 Byte Line", "16-Way", ""}});
        EXPECT_EQ(cacheTotals.l2, c.sizeKb);
    }
}

// A register with a zero data half adds no row but makes the next register's row unified.
TEST_F(ExtendedLeafTest, Level2TlbRowsDependOnWhichHalvesAreZero) {
    const uint32_t large = 0x42004200;   // 4-way data and instruction, 512 entries each
    const uint32_t small = 0x62004400;   // 8-way 512 data; 4-way 1024 instruction
    const struct { uint32_t eax, ebx; std::vector<ExpectedRow> rows; } cases[] = {
        {large, small, {{"Data TLB", "512 Entries", "4/2 M pages", "4-Way", ""},
                        {"Inst TLB", "512 Entries", "4/2 M pages", "4-Way", ""},
                        {"Data TLB", "512 Entries", "4K pages", "8-Way", ""},
                        {"Inst TLB", "1024 Entries", "4K pages", "4-Way", ""}}},
        {large, 0x00000400, {{"Data TLB", "512 Entries", "4/2 M pages", "4-Way", ""},
                             {"Inst TLB", "512 Entries", "4/2 M pages", "4-Way", ""}}},
        {0x00001234, 0x42004200, {{"Unified TLB", "512 Entries", "4K pages", "4-Way", ""}}},
        {0, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.eax << " " << c.ebx);
        ResetCacheRecords();
        DecodeL2Tlb(1, c.eax);
        DecodeL2Tlb(2, c.ebx);
        ExpectRows(level23Grid, c.rows);
    }
}
