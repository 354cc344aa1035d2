// Cache pages: all 50 cells of a grid into controls 2000-2049, row by row.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cache/CachePage.h"
#include "cache/ExtendedLeafDecoding.h"
#include "cache/GridExpectations.h"
#include "FakePageControls.h"

static std::vector<int> CellIds() {
    std::vector<int> ids;
    for (int id = 2000; id <= 2049; ++id) ids.push_back(id);
    return ids;
}

TEST(CachePageTest, CellOfRowAndColumnGoesToItsId) {
    CacheGrid grid{};
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 5; ++c) {
            std::string text = "r" + std::to_string(r) + "c" + std::to_string(c);
            std::strcpy(grid.rows[r].cells[c], text.c_str());
        }
    FakePageControls page(CellIds());
    ShowCacheGrid(page, grid);
    EXPECT_EQ(page[2000].text, "r0c0");
    EXPECT_EQ(page[2004].text, "r0c4");
    EXPECT_EQ(page[2005].text, "r1c0");
    EXPECT_EQ(page[2032].text, "r6c2");
    EXPECT_EQ(page[2049].text, "r9c4");
}

// An extended-leaf processor: six level-1 rows, the rest of the page empty,
// and no Sectored texts.
TEST(CachePageTest, SixRowsLeaveTheLaterCellsEmpty) {
    ResetCacheRecords();
    DecodeL1Cache(1, 0x40020140);
    DecodeL1Cache(2, 0x40020140);
    DecodeL1Tlb(1, 0xFF08FF08);
    DecodeL1Tlb(2, 0xFF20FF20);
    FakePageControls page(CellIds());
    for (int id = 2000; id <= 2049; ++id) page.SetText(id, "X");
    ShowCacheGrid(page, level1Grid);
    for (int id = 2000; id <= 2029; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(page[id].text.empty(), (id - 2000) % 5 == kSectoredCell);
    }
    EXPECT_EQ(page[2025].text, "Inst TLB");
    for (int id = 2030; id <= 2049; ++id) EXPECT_EQ(page[id].text, "") << id;
}

TEST(CachePageTest, EmptyGridShowsNoneDetectedOnly) {
    CacheGrid grid{};
    MarkEmptyGrid(grid);
    FakePageControls page(CellIds());
    ShowCacheGrid(page, grid);
    EXPECT_EQ(page[2000].text, "None Detected");
    for (int id = 2001; id <= 2049; ++id) EXPECT_EQ(page[id].text, "") << id;
}
