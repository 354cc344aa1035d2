// The two cache grids and the totals, and the row-writing routines every decoder uses.
#include "cache/CacheGrid.h"

#include "text/TextRoutines.h"

CacheGrid level1Grid;
CacheGrid level23Grid;
CacheTotals cacheTotals;
uint32_t unifiedTlb;

void ResetCacheResults() {
    unifiedTlb = 0;
    cacheTotals = {};
    level1Grid.rowCount = 0;
    level23Grid.rowCount = 0;
}

// A grid has room for ten rows; an eleventh and later row is dropped here
// rather than in every decoder, while the decoders still add its size to the
// totals (they describe the processor, not the grid).
void WriteCell(CacheGrid& grid, size_t cell, const char* text) {
    if (grid.rowCount >= kCacheGridRows || cell >= kCacheRowCells) return;
    CopyText(text, grid.rows[grid.rowCount].cells[cell], kCacheCellSize);
}

void WriteNumberCell(CacheGrid& grid, size_t cell, uint32_t number, const char* unit) {
    char text[kCacheCellSize] = "";
    AppendDecimal(static_cast<int32_t>(number), text, sizeof text);
    AppendText(unit, text, sizeof text);
    WriteCell(grid, cell, text);
}

void CloseRow(CacheGrid& grid) {
    if (grid.rowCount < kCacheGridRows) ++grid.rowCount;
}

// rowCount stays 0, so readers that walk the rows list nothing while the page
// shows the text.
void MarkEmptyGrid(CacheGrid& grid) {
    if (grid.rowCount == 0) CopyText("None Detected", grid.rows[0].cells[kTypeCell], kCacheCellSize);
}
