// Leaf-2 descriptor decoding: one row per kind, totals, bytes without a row, grid bounds (random
// registers through every decoder: tests/fuzz/ProbeFuzz.cpp).
#include <cstring>
#include <tuple>

#include <gtest/gtest.h>

#include "cache/DecodeDescriptor.h"
#include "cache/DescriptorTable.h"
#include "cache/ExtendedLeafDecoding.h"
#include "cache/GridExpectations.h"
#include "cache/RecordingNotice.h"
#include "cpu/ProcessorRecord.h"

class DecodeDescriptorTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCacheRecords(); }
    static auto Kilobytes(const CacheTotals& t) { return std::make_tuple(t.l1Instruction, t.l1Data, t.l2, t.l3); }
    RecordingNotice notice;
};

TEST_F(DecodeDescriptorTest, EachKindWritesItsGridRowAndTotal) {
    const struct { uint32_t descriptor; const CacheGrid* grid; ExpectedRow row; CacheTotals totals; } cases[] = {
    //   desc  grid          Type / Memory / Size / Association / Sectored                            l1 inst, data, l2, l3
        {0x06, &level1Grid,  {"Instruction, 6", "8 KB", "32 Byte Line", "4-Way", "No"},              {8, 0, 0, 0}},
        {0x2C, &level1Grid,  {"Data, 44", "32 KB", "64 Byte Line", "8-Way", "No"},                   {0, 32, 0, 0}},
        {0x3B, &level23Grid, {"Combined, 59", "128 KB", "64 Byte Line", "2-Way", "Yes"},             {0, 0, 128, 0}},
        {0x29, &level23Grid, {"L3 Combined, 41", "4096 KB", "64 Byte Line", "8-Way", "Yes"},         {0, 0, 0, 4096}},
        {0x02, &level1Grid,  {"Inst TLB, 2", "4M pages", "2 Entries", "Fully", "No"},                 {0, 0, 0, 0}},
        {0xB3, &level1Grid,  {"Data TLB, 179", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},   {0, 0, 0, 0}},
        {0x72, &level1Grid,  {"Trace, 114", "32 K-\xB5ops", "", "8-Way", "No"},                      {32, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.descriptor);
        ResetCacheRecords();
        EXPECT_EQ(DecodeDescriptor(c.descriptor, notice), 1);
        ExpectRows(*c.grid, {c.row});
        EXPECT_EQ((c.grid == &level1Grid ? level23Grid : level1Grid).rowCount, 0u);
        EXPECT_EQ(Kilobytes(cacheTotals), Kilobytes(c.totals));
    }
    EXPECT_TRUE(notice.descriptors.empty());
}

// 0x40 (no cache) is decoded, 0 is skipped, an unknown byte is noticed: none adds a row or size.
TEST_F(DecodeDescriptorTest, BytesWithoutARowAddNothing) {
    const struct { uint32_t descriptor; int32_t decoded; std::vector<uint32_t> noticed; } cases[] = {
        {0x40, 1, {}}, {0, 0, {}}, {0x49, 0, {73}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.descriptor);
        RecordingNotice fresh;
        EXPECT_EQ(DecodeDescriptor(c.descriptor, fresh), c.decoded);
        EXPECT_EQ(fresh.descriptors, c.noticed);
        EXPECT_EQ(level1Grid.rowCount + level23Grid.rowCount, 0u);
        EXPECT_EQ(Kilobytes(cacheTotals), Kilobytes(CacheTotals{}));
    }
}

TEST_F(DecodeDescriptorTest, RegisterBytesDecodeLeastSignificantFirst) {
    DecodeDescriptorRegister(0x0A00490C, notice);   // 0x0C, 0x49 (unknown), 0x00 (skipped), 0x0A
    ExpectRows(level1Grid, {{"Data, 12", "16 KB", "32 Byte Line", "4-Way", "No"},
                            {"Data, 10", "8 KB", "32 Byte Line", "2-Way", "No"}});
    EXPECT_EQ(notice.descriptors, std::vector<uint32_t>{73});
    EXPECT_EQ(cacheTotals.l1Data, 24u);
}

// Eleven rows meet a grid of ten: the eleventh is dropped, every repeat's size still counts.
TEST_F(DecodeDescriptorTest, EleventhRowIsDroppedButCounted) {
    for (int i = 0; i < 11; ++i) DecodeDescriptor(0x2C, notice);
    EXPECT_EQ(level1Grid.rowCount, kCacheGridRows);
    EXPECT_STREQ(level1Grid.rows[9].cells[kTypeCell], "Data, 44");
    EXPECT_EQ(cacheTotals.l1Data, 11u * 32);
    EXPECT_EQ(level23Grid.rowCount, 0u);   // nothing spilled into the row count that follows the rows
}

// A cell a decoder does not fill keeps the text an earlier probe left there.
TEST_F(DecodeDescriptorTest, UnfilledCellsKeepTheirOlderText) {
    std::strcpy(level1Grid.rows[0].cells[kSizeCell], "64 Byte Line");
    std::strcpy(level1Grid.rows[1].cells[kSectoredCell], "Yes");
    DecodeDescriptor(0x70, notice);   // a trace cache has no line size
    DecodeL1Cache(1, 0x40020140);     // extended-leaf rows have no Sectored text
    EXPECT_STREQ(level1Grid.rows[0].cells[kSizeCell], "64 Byte Line");
    EXPECT_STREQ(level1Grid.rows[1].cells[kSectoredCell], "Yes");
}

TEST(PageSizeTextTest, CodesZeroToFourHaveTexts) {
    const char* const expected[] = {"4K pages", "2M pages", "4M pages", "4K or 4M pages", "4K, 2M or 4M pages", ""};
    for (uint32_t code = 0; code < 6; ++code) EXPECT_STREQ(PageSizeText(code), expected[code]) << code;
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

