// Leaf-2 descriptor decoding: one row per kind, totals, unknown bytes, grid bounds.
#include <cstring>

#include <gtest/gtest.h>

#include "cache/DecodeDescriptor.h"
#include "cache/DescriptorTable.h"
#include "cache/GridExpectations.h"
#include "cache/RecordingNotice.h"

class DecodeDescriptorTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCacheRecords(); }
    RecordingNotice notice;
};

struct KindCase {
    uint32_t descriptor;
    const CacheGrid* grid;
    ExpectedRow row;
    CacheTotals totals;   // l1Instruction, l1Data, l2, l3
};

TEST_F(DecodeDescriptorTest, EachKindWritesItsGridRowAndTotal) {
    // clang-format off
    const KindCase cases[] = {
    //   desc  grid          Type / Memory / Size / Association / Sectored                                      totals
        {0x06, &level1Grid,  {"Instruction, 6", "8 KB", "32 Byte Line", "4-Way", "No"},                      {8, 0, 0, 0}},
        {0x2C, &level1Grid,  {"Data, 44", "32 KB", "64 Byte Line", "8-Way", "No"},                           {0, 32, 0, 0}},
        {0x3B, &level23Grid, {"Combined, 59", "128 KB", "64 Byte Line", "2-Way", "Yes"},                     {0, 0, 128, 0}},
        {0x29, &level23Grid, {"L3 Combined, 41", "4096 KB", "64 Byte Line", "8-Way", "Yes"},                 {0, 0, 0, 4096}},
        {0x02, &level1Grid,  {"Inst TLB, 2", "4M pages", "2 Entries", "Fully", "No"},                         {0, 0, 0, 0}},
        {0xB3, &level1Grid,  {"Data TLB, 179", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},           {0, 0, 0, 0}},
        {0x72, &level1Grid,  {"Trace, 114", "32 K-\xB5ops", "", "8-Way", "No"},                              {32, 0, 0, 0}},
    };
    // clang-format on
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.descriptor);
        ResetCacheRecords();
        EXPECT_EQ(DecodeDescriptor(c.descriptor, notice), 1);
        ExpectRows(*c.grid, {c.row});
        const CacheGrid& other = c.grid == &level1Grid ? level23Grid : level1Grid;
        EXPECT_EQ(other.rowCount, 0u);
        EXPECT_EQ(cacheTotals.l1Instruction, c.totals.l1Instruction);
        EXPECT_EQ(cacheTotals.l1Data, c.totals.l1Data);
        EXPECT_EQ(cacheTotals.l2, c.totals.l2);
        EXPECT_EQ(cacheTotals.l3, c.totals.l3);
    }
    EXPECT_TRUE(notice.descriptors.empty());
}

TEST_F(DecodeDescriptorTest, NoCacheDescriptorAndZeroAddNothing) {
    EXPECT_EQ(DecodeDescriptor(0x40, notice), 1);
    EXPECT_EQ(DecodeDescriptor(0, notice), 0);
    DecodeDescriptorRegister(0, notice);
    EXPECT_EQ(level1Grid.rowCount + level23Grid.rowCount, 0u);
    EXPECT_EQ(cacheTotals.l2 + cacheTotals.l3, 0u);
    EXPECT_TRUE(notice.descriptors.empty());
}

TEST_F(DecodeDescriptorTest, UnknownDescriptorIsNoticedAndAddsNothing) {
    EXPECT_EQ(DecodeDescriptor(0x49, notice), 0);
    EXPECT_EQ(notice.descriptors, std::vector<uint32_t>{73});
    EXPECT_EQ(level1Grid.rowCount + level23Grid.rowCount, 0u);
    EXPECT_EQ(cacheTotals.l2, 0u);
}

TEST_F(DecodeDescriptorTest, RegisterBytesDecodeLeastSignificantFirst) {
    // 0x0C, 0x49 (unknown), 0x00 (skipped), 0x0A
    DecodeDescriptorRegister(0x0A00490C, notice);
    ExpectRows(level1Grid, {{"Data, 12", "16 KB", "32 Byte Line", "4-Way", "No"},
                            {"Data, 10", "8 KB", "32 Byte Line", "2-Way", "No"}});
    EXPECT_EQ(notice.descriptors, std::vector<uint32_t>{73});
    EXPECT_EQ(cacheTotals.l1Data, 24u);
}

TEST_F(DecodeDescriptorTest, RepeatedDescriptorGivesTwoRowsAndCountsTwice) {
    DecodeDescriptor(0x7A, notice);
    DecodeDescriptor(0x7A, notice);
    EXPECT_EQ(level23Grid.rowCount, 2u);
    EXPECT_EQ(cacheTotals.l2, 512u);
}

TEST_F(DecodeDescriptorTest, TraceRowKeepsTheOlderSizeText) {
    std::strcpy(level1Grid.rows[0].cells[kSizeCell], "64 Byte Line");
    DecodeDescriptor(0x70, notice);
    EXPECT_STREQ(level1Grid.rows[0].cells[kSizeCell], "64 Byte Line");
}

// Eleven rows meet a grid of ten: the eleventh is dropped, its size still counts.
TEST_F(DecodeDescriptorTest, EleventhRowIsDroppedButCounted) {
    for (int i = 0; i < 11; ++i) DecodeDescriptor(0x2C, notice);
    EXPECT_EQ(level1Grid.rowCount, kCacheGridRows);
    EXPECT_STREQ(level1Grid.rows[9].cells[kTypeCell], "Data, 44");
    EXPECT_EQ(cacheTotals.l1Data, 11u * 32);
    // Nothing spilled into the row count that follows the rows.
    EXPECT_EQ(level23Grid.rowCount, 0u);
}

TEST(PageSizeTextTest, CodesZeroToFourHaveTexts) {
    const char* const expected[] = {"4K pages", "2M pages", "4M pages", "4K or 4M pages", "4K, 2M or 4M pages", ""};
    for (uint32_t code = 0; code < 6; ++code) {
        SCOPED_TRACE(code);
        EXPECT_STREQ(PageSizeText(code), expected[code]);
    }
    EXPECT_STREQ(PageSizeText(0xFFFFFFFF), "");
}

TEST(CacheGridTest, LongTextIsCutToNineteenBytes) {
    ResetCacheRecords();
    std::memset(level1Grid.rows[0].cells[kMemoryCell], 'x', kCacheCellSize - 1);
    WriteCell(level1Grid, kTypeCell, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_STREQ(level1Grid.rows[0].cells[kTypeCell], "abcdefghijklmnopqrs");
    EXPECT_EQ(level1Grid.rows[0].cells[kMemoryCell][0], 'x');
}

TEST(CacheGridTest, ResetKeepsCellTextsAndEmptyGridsAreMarked) {
    ResetCacheRecords();
    WriteCell(level23Grid, kTypeCell, "Combined");
    CloseRow(level23Grid);
    cacheTotals.l2 = 256;
    unifiedTlb = 1;
    ResetCacheResults();
    EXPECT_EQ(level23Grid.rowCount, 0u);
    EXPECT_EQ(cacheTotals.l2, 0u);
    EXPECT_EQ(unifiedTlb, 0u);
    EXPECT_STREQ(level23Grid.rows[0].cells[kTypeCell], "Combined");
    MarkEmptyGrid(level23Grid);
    ExpectNoneDetected(level23Grid);
}
