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
    level1Grid.rowCount = level1Grid.rowsLeftOut = 0;
    level23Grid.rowCount = level23Grid.rowsLeftOut = 0;
}

// A grid has room for kCacheGridRows rows; a further row is dropped here
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

static uint32_t HeldKilobytes(uint64_t sizeKb) { return sizeKb < 0xFFFFFFFF ? static_cast<uint32_t>(sizeKb) : 0xFFFFFFFF; }

void WriteSizeCell(CacheGrid& grid, uint64_t sizeKb) {
    char text[kCacheCellSize] = "";
    AppendUnsigned(HeldKilobytes(sizeKb), text, sizeof text);
    AppendText(" KB", text, sizeof text);
    WriteCell(grid, kMemoryCell, text);
}

void AddKilobytes(uint32_t& total, uint64_t sizeKb) { total = HeldKilobytes(total + static_cast<uint64_t>(HeldKilobytes(sizeKb))); }

void WriteWaysCell(CacheGrid& grid, uint32_t ways) {
    char text[kCacheCellSize] = "";
    if (ways == kFullyAssociative) {
        CopyText("Fully", text, sizeof text);
    } else if (ways == 1) {
        CopyText("Direct", text, sizeof text);
    } else if (ways == 0) {
        CopyText("Off", text, sizeof text);
    } else {
        AppendUnsigned(ways, text, sizeof text);
        AppendText("-Way", text, sizeof text);
    }
    WriteCell(grid, kAssociationCell, text);
}

void CloseRow(CacheGrid& grid) {
    if (grid.rowCount < kCacheGridRows) {
        ++grid.rowCount;
    } else if (grid.rowsLeftOut < 0xFFFFFFFF) {
        ++grid.rowsLeftOut;
    }
}

// The marker takes the last row, so that row is counted among those not shown; its other cells
// are emptied, since no decoder wrote them for this row.
void MarkLeftOutRows(CacheGrid& grid) {
    if (grid.rowsLeftOut == 0) return;
    CacheRow& last = grid.rows[kCacheGridRows - 1];
    char count[kCacheCellSize] = "";
    AppendUnsigned(grid.rowsLeftOut < 0xFFFFFFFF ? grid.rowsLeftOut + 1 : grid.rowsLeftOut, count, sizeof count);
    AppendText(" not shown", count, sizeof count);
    for (char* cell : last.cells) cell[0] = '\0';
    CopyText("More rows", last.cells[kTypeCell], kCacheCellSize);
    CopyText(count, last.cells[kMemoryCell], kCacheCellSize);
}

// rowCount stays 0, so readers that walk the rows list nothing while the page
// shows the text.
void MarkEmptyGrid(CacheGrid& grid) {
    if (grid.rowCount == 0) CopyText("None Detected", grid.rows[0].cells[kTypeCell], kCacheCellSize);
}
