// Extended-leaf cache and TLB rows: level 1 from leaf 0x80000005, levels 2 and 3 from 0x80000006.
#include "cache/ExtendedLeafDecoding.h"

#include "cache/CacheGrid.h"
#include "cpu/ProcessorRecord.h"

// Leaf 0x80000005 associativity byte: 0 none, 1 direct mapped, 0xFF fully, any other the ways.
static uint32_t EightBitWays(uint32_t code) { return code == 0xFF ? kFullyAssociative : code; }

// Leaf 0x80000006 associativity nibble; code 9 defers to leaf 0x8000001D, 7 is reserved.
static constexpr uint32_t kWaysInTopology = 0xFFFFFFFE;
static uint32_t FourBitWays(uint32_t code) {
    static constexpr uint32_t kWays[16] = {0,  1,  2,  3,  4,   6,  8, 0, 16, kWaysInTopology, 32, 48, 64, 96, 128,
                                           kFullyAssociative};
    return kWays[code & 0xF];
}

// The ways of a cache whose code defers to leaf 0x8000001D come from there, or are unknown.
static void WriteCacheWays(CacheGrid& grid, uint32_t ways, const CacheParameters& instance) {
    if (ways != kWaysInTopology) {
        WriteWaysCell(grid, ways);
    } else if (instance.type != 0) {
        WriteWaysCell(grid, instance.ways);
    } else {
        WriteCell(grid, kAssociationCell, "Unknown");
    }
}

// The rest of a cache row: size (per instance where leaf 0x8000001D gives it), line, ways. The
// total is assigned, not added. Rows written here leave the Sectored cell alone.
static void FinishCacheRow(CacheGrid& grid, uint32_t sizeKb, uint32_t value, uint32_t ways, uint32_t& total,
                           const CacheParameters& instance) {
    const uint64_t size = instance.type != 0 ? instance.sizeKb : sizeKb;
    total = 0;
    AddKilobytes(total, size);
    WriteSizeCell(grid, size);
    WriteNumberCell(grid, kSizeCell, value & 0xFF, " Byte Line");
    WriteCacheWays(grid, ways, instance);
    CloseRow(grid);
}

// EAX of both leaves describes the TLBs for 2/4 MB pages, EBX those for 4 KB pages.
static const char* TlbPageText(uint32_t kind) { return kind == 1 ? "4/2 M pages" : "4K pages"; }

// Bits 24-31 size in KB, 16-23 associativity, 0-7 line size.
void DecodeL1Cache(uint32_t kind, uint32_t value, const CacheParameters& instance) {
    WriteCell(level1Grid, kTypeCell, kind == 1 ? "Data" : "Instruction");
    FinishCacheRow(level1Grid, value >> 24, value, EightBitWays((value >> 16) & 0xFF),
                   kind == 1 ? cacheTotals.l1Data : cacheTotals.l1Instruction, instance);
}

// Completes the current row of a TLB: entries, page text, ways. A type written
// before (Data/Inst/Unified) stays. The entry count goes in the Memory column here.
static void FinishTlbRow(CacheGrid& grid, uint32_t entries, const char* pages, uint32_t ways) {
    WriteNumberCell(grid, kMemoryCell, entries, " Entries");
    WriteCell(grid, kSizeCell, pages);
    WriteCacheWays(grid, ways, {});
    CloseRow(grid);
}

// Bits 24-31 data TLB ways, 16-23 data entries, 8-15 instruction ways, 0-7 instruction entries.
static void WriteL1TlbHalf(const char* type, uint32_t entries, uint32_t kind, uint32_t code, bool always) {
    if (!always && (entries == 0 || code == 0)) return;
    WriteCell(level1Grid, kTypeCell, type);
    FinishTlbRow(level1Grid, entries, TlbPageText(kind), EightBitWays(code));
}

static void WriteL1Tlb(uint32_t kind, uint32_t value, bool always) {
    WriteL1TlbHalf("Data TLB", (value >> 16) & 0xFF, kind, value >> 24, always);
    WriteL1TlbHalf("Inst TLB", value & 0xFF, kind, (value >> 8) & 0xFF, always);
}

void DecodeL1Tlb(uint32_t kind, uint32_t value) { WriteL1Tlb(kind, value, true); }

void DecodeReportedL1Tlb(uint32_t kind, uint32_t value) { WriteL1Tlb(kind, value, false); }

// Family 6 parts (Athlon, Duron) report their level-2 size unreliably in
// bits 16-31, so it follows from the model instead, and their ways are
// always shown as 16-way.
static uint32_t Family6L2Size(uint32_t model) {
    if (model == 10 || model < 3) return 512;
    if (model == 3 || model == 7) return 64;
    return 256;
}

// Bits 16-31 size in KB, 12-15 associativity, 0-7 line size.
static void WriteL2Cache(uint32_t value, uint32_t sizeKb, uint32_t ways, const CacheParameters& instance) {
    WriteCell(level23Grid, kTypeCell, "Combined");
    FinishCacheRow(level23Grid, sizeKb, value, ways, cacheTotals.l2, instance);
}

void DecodeL2Cache(uint32_t value, const CacheParameters& instance) {
    const bool family6 = processorRecord.cpuFamily == 6;
    const uint32_t sizeKb = family6 ? Family6L2Size(processorRecord.cpuModel) : value >> 16;
    WriteL2Cache(value, sizeKb, FourBitWays(family6 ? 8 : (value >> 12) & 0xF), instance);
}

void DecodeReportedL2Cache(uint32_t value) { WriteL2Cache(value, value >> 16, FourBitWays((value >> 12) & 0xF), {}); }

// Bits 18-31 size in 512 KB units, 12-15 associativity, 0-7 line size; a size of 0 means no
// level-3 cache.
void DecodeL3Cache(uint32_t value, const CacheParameters& instance) {
    if ((value >> 18) == 0 && instance.type == 0) return;
    WriteCell(level23Grid, kTypeCell, "L3 Combined");
    FinishCacheRow(level23Grid, (value >> 18) * 512, value, FourBitWays((value >> 12) & 0xF), cacheTotals.l3, instance);
}

// Bits 28-31 data ways, 16-27 data entries, 12-15 instruction ways, 0-11
// instruction entries. A register whose data half is zero describes no TLB
// itself but marks the level-2 TLB as unified: a later register of the same
// probe then gives one "Unified TLB" row from its instruction half.
void DecodeL2Tlb(uint32_t kind, uint32_t value) {
    const char* pages = TlbPageText(kind);
    if ((value >> 16) == 0) {
        unifiedTlb = 1;
        return;
    }
    if (unifiedTlb == 1) {
        WriteCell(level23Grid, kTypeCell, "Unified TLB");
    } else {
        WriteCell(level23Grid, kTypeCell, "Data TLB");
        FinishTlbRow(level23Grid, (value >> 16) & 0xFFF, pages, FourBitWays(value >> 28));
        WriteCell(level23Grid, kTypeCell, "Inst TLB");
    }
    FinishTlbRow(level23Grid, value & 0xFFF, pages, FourBitWays((value >> 12) & 0xF));
}
