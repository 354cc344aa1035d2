// Cache page filling: every cell of a grid into its static control.
#include "cache/CachePage.h"

#include "resource.h"

static_assert(IDC_CACHE_CELL_LAST - IDC_CACHE_CELL_FIRST + 1 == kCacheGridRows * kCacheRowCells,
              "one control per cell of a grid");

// Rows past rowCount are shown too: they carry "None Detected" on an empty
// grid, or the older texts a previous probe left there.
void ShowCacheGrid(PageControls& page, const CacheGrid& grid) {
    int id = IDC_CACHE_CELL_FIRST;   // row r, cell c: + 5 * r + c
    for (const CacheRow& row : grid.rows)
        for (const char* cell : row.cells) page.SetText(id++, cell);
}
