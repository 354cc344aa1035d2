// Cache pages: all 50 cells of a grid into controls 2000-2049, row by row.
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cache/CachePage.h"
#include "cache/CacheGrid.h"
#include "FakePageControls.h"

// Rows past rowCount are shown too, so a page that showed more rows before keeps none of them:
// six rows named by row and column go onto cells that all read "X" before.
TEST(CachePageTest, EveryCellGoesToItsIdAndEmptyRowsClearTheirCells) {
    CacheGrid grid{};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 5; ++c)
            std::strcpy(grid.rows[r].cells[c], ("r" + std::to_string(r) + "c" + std::to_string(c)).c_str());
    grid.rowCount = 6;
    std::vector<int> ids(50);
    std::iota(ids.begin(), ids.end(), 2000);
    FakePageControls page(ids);
    for (int id : ids) page.SetText(id, "X");
    ShowCacheGrid(page, grid);
    EXPECT_EQ(page[2000].text, "r0c0");
    EXPECT_EQ(page[2004].text, "r0c4");
    EXPECT_EQ(page[2005].text, "r1c0");
    EXPECT_EQ(page[2027].text, "r5c2");
    EXPECT_EQ(page[2029].text, "r5c4");
    for (int id = 2030; id <= 2049; ++id) EXPECT_EQ(page[id].text, "") << id;
}
