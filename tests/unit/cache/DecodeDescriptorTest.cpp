// Leaf-2 descriptors, one row per kind, and the cache page (byte order, 0x40, zero and unknown bytes:
// the dumps of tests/unit/probe/ProbeDumpsTest.cpp; random registers: tests/fuzz/ProbeFuzz.cpp).
#include <cstring>
#include <numeric>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "FakePageControls.h"
#include "cache/CachePage.h"
#include "cache/DecodeDescriptor.h"
#include "cache/GridExpectations.h"

class DecodeDescriptorTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCacheRecords(); }
    static auto Kilobytes(const CacheTotals& t) { return std::make_tuple(t.l1Instruction, t.l1Data, t.l2, t.l3); }
    RecordingNotice notice;
};

// Each case starts as a new probe does, with the reset that keeps the cells' texts: a trace
// cache has no line size, so its Size cell still shows the row before's.
TEST_F(DecodeDescriptorTest, EachKindWritesItsGridRowAndTotal) {
    const struct { uint32_t descriptor; const CacheGrid* grid; ExpectedRow row; CacheTotals totals; } cases[] = {
    //   desc  grid          Type / Memory / Size / Association / Sectored                            l1 inst, data, l2, l3
        {0x06, &level1Grid,  {"Instruction, 6", "8 KB", "32 Byte Line", "4-Way", "No"},              {8, 0, 0, 0}},
        {0x2C, &level1Grid,  {"Data, 44", "32 KB", "64 Byte Line", "8-Way", "No"},                   {0, 32, 0, 0}},
        {0x3B, &level23Grid, {"Combined, 59", "128 KB", "64 Byte Line", "2-Way", "Yes"},             {0, 0, 128, 0}},
        {0x29, &level23Grid, {"L3 Combined, 41", "4096 KB", "64 Byte Line", "8-Way", "Yes"},         {0, 0, 0, 4096}},
        {0x02, &level1Grid,  {"Inst TLB, 2", "4M pages", "2 Entries", "Fully", "No"},                 {0, 0, 0, 0}},
        {0xB3, &level1Grid,  {"Data TLB, 179", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},   {0, 0, 0, 0}},
        {0x72, &level1Grid,  {"Trace, 114", "32 K-\xB5ops", "128 Entries", "8-Way", "No"},           {32, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.descriptor);
        ResetCacheResults();
        DecodeDescriptor(c.descriptor, notice);
        ExpectRows(*c.grid, {c.row});
        EXPECT_EQ((c.grid == &level1Grid ? level23Grid : level1Grid).rowCount, 0u);
        EXPECT_EQ(Kilobytes(cacheTotals), Kilobytes(c.totals));
    }
}

// One row more than a grid holds: the last is dropped, every repeat's size still counts.
TEST_F(DecodeDescriptorTest, RowPastTheGridIsDroppedButCounted) {
    for (uint32_t i = 0; i <= kCacheGridRows; ++i) DecodeDescriptor(0x2C, notice);
    EXPECT_EQ(level1Grid.rowCount, kCacheGridRows);
    EXPECT_STREQ(level1Grid.rows[kCacheGridRows - 1].cells[kTypeCell], "Data, 44");
    EXPECT_EQ(cacheTotals.l1Data, (kCacheGridRows + 1) * 32);
    EXPECT_EQ(level23Grid.rowCount, 0u);   // nothing spilled into the row count that follows the rows
}

// Rows left out are never lost silently: the last row says how many are not shown, itself included.
TEST_F(DecodeDescriptorTest, LeftOutRowsAreNamedInTheLastRow) {
    MarkLeftOutRows(level1Grid);
    EXPECT_STREQ(level1Grid.rows[kCacheGridRows - 1].cells[kTypeCell], "");   // nothing left out yet
    for (uint32_t i = 0; i < kCacheGridRows + 2; ++i) DecodeDescriptor(0x2C, notice);
    MarkLeftOutRows(level1Grid);
    EXPECT_EQ(level1Grid.rowCount, kCacheGridRows);
    const CacheRow& last = level1Grid.rows[kCacheGridRows - 1];
    EXPECT_STREQ(last.cells[kTypeCell], "More rows");
    EXPECT_STREQ(last.cells[kMemoryCell], "3 not shown");
    EXPECT_STREQ(last.cells[kAssociationCell], "");
    EXPECT_STREQ(level1Grid.rows[kCacheGridRows - 2].cells[kTypeCell], "Data, 44");
    ResetCacheResults();
    EXPECT_EQ(level1Grid.rowsLeftOut, 0u);
}

// Row r, cell c goes to control 2000 + 5r + c. Rows past rowCount are shown too, so a page that
// showed more rows before keeps none of their texts.
TEST(CacheGridTest, PageShowsEveryCellAtItsId) {
    std::vector<int> ids(kCacheGridRows * kCacheRowCells);
    std::iota(ids.begin(), ids.end(), 2000);
    CacheGrid grid{};   // rowCount 0, rows 6 on empty
    for (int id = 2000; id < 2030; ++id)
        std::strcpy(grid.rows[(id - 2000) / 5].cells[(id - 2000) % 5], std::to_string(id).c_str());
    FakePageControls page(ids);
    for (int id : ids) page.SetText(id, "X");   // an earlier grid's texts
    ShowCacheGrid(page, grid);
    for (int id : ids) EXPECT_EQ(page[id].text, id < 2030 ? std::to_string(id) : "") << id;
}
