// The cache and TLB text grids and KB totals, with the routines that fill rows.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kCacheCellSize = 20;   // 19 characters and the terminator
constexpr size_t kCacheRowCells = 5;
// Room for what today's processors describe: a leaf-2 processor lists up to ten TLBs and caches
// at level 1, and a leaf 4 and leaf 0x18 walk adds a row per cache and TLB.
constexpr uint32_t kCacheGridRows = 16;

// Cell positions within a row, in column order.
constexpr size_t kTypeCell = 0;
constexpr size_t kMemoryCell = 1;
constexpr size_t kSizeCell = 2;
constexpr size_t kAssociationCell = 3;
constexpr size_t kSectoredCell = 4;

struct CacheRow {
    char cells[kCacheRowCells][kCacheCellSize];
};

struct CacheGrid {
    CacheRow rows[kCacheGridRows];
    uint32_t rowCount;
    uint32_t rowsLeftOut;   // rows closed while the grid was full
};

struct CacheTotals {
    uint32_t l1Instruction;
    uint32_t l1Data;
    uint32_t l2;
    uint32_t l3;
};

// Written only by the cache decoders and the probe's reset; zero at start-up.
extern CacheGrid level1Grid;
extern CacheGrid level23Grid;
extern CacheTotals cacheTotals;
// 1 once a level-2 TLB register of the current probe had no data half.
extern uint32_t unifiedTlb;

// Totals, row counts and unifiedTlb to 0; cell texts stay for overwriting.
void ResetCacheResults();
// Writes text into the cell of row rowCount, cut to 19 characters; nothing
// when the grid is full.
void WriteCell(CacheGrid& grid, size_t cell, const char* text);
// A number in decimal followed by its unit (" KB", " Entries", ...), as WriteCell.
void WriteNumberCell(CacheGrid& grid, size_t cell, uint32_t number, const char* unit);
// An association for a number of ways: "Direct", "N-Way", "Fully" for kFullyAssociative, and
// "Off" for 0 (none reported), as WriteCell.
constexpr uint32_t kFullyAssociative = 0xFFFFFFFF;
void WriteWaysCell(CacheGrid& grid, uint32_t ways);
// A size in KB that may exceed 32 bits, shown and added to total, both held at 0xFFFFFFFF.
void WriteSizeCell(CacheGrid& grid, uint64_t sizeKb);
void AddKilobytes(uint32_t& total, uint64_t sizeKb);
// Ends row rowCount: the next WriteCell goes to the next row.
void CloseRow(CacheGrid& grid);
// "None Detected" in row 0's Type cell of a grid without rows.
void MarkEmptyGrid(CacheGrid& grid);
// Where rows were left out, the last row says how many: "More rows" / "N not shown".
void MarkLeftOutRows(CacheGrid& grid);
