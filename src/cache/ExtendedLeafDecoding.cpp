// Extended-leaf cache and TLB rows: level 1 from leaf 0x80000005, level 2 from 0x80000006.
#include "cache/ExtendedLeafDecoding.h"

#include "cache/CacheGrid.h"
#include "cpu/ProcessorRecord.h"

// Leaf 0x80000005 associativity byte.
static const char* EightBitWaysText(uint32_t code) {
    switch (code) {
    case 2: return "2-Way";
    case 4: return "4-Way";
    case 8: return "8-Way";
    case 16: return "16-Way";
    case 255: return "Fully";
    }
    return "Off";
}

// Leaf 0x80000006 associativity nibble.
static const char* FourBitWaysText(uint32_t code) {
    switch (code) {
    case 1: return "Direct";
    case 2: return "2-Way";
    case 4: return "4-Way";
    case 6: return "8-Way";
    case 8: return "16-Way";
    case 15: return "Fully";
    }
    return "Off";
}

// EAX of both leaves describes the TLBs for 2/4 MB pages, EBX those for 4 KB pages.
static const char* TlbPageText(uint32_t kind) { return kind == 1 ? "4/2 M pages" : "4K pages"; }

// Bits 24-31 size in KB, 16-23 associativity, 0-7 line size. The total is
// assigned, not added. Rows written here leave the Sectored cell alone.
void DecodeL1Cache(uint32_t kind, uint32_t value) {
    const uint32_t sizeKb = value >> 24;
    if (kind == 1) {
        WriteCell(level1Grid, kTypeCell, "Data");
        cacheTotals.l1Data = sizeKb;
    } else {
        WriteCell(level1Grid, kTypeCell, "Instruction");
        cacheTotals.l1Instruction = sizeKb;
    }
    WriteNumberCell(level1Grid, kMemoryCell, sizeKb, " KB");
    WriteNumberCell(level1Grid, kSizeCell, value & 0xFF, " Byte Line");
    WriteCell(level1Grid, kAssociationCell, EightBitWaysText((value >> 16) & 0xFF));
    CloseRow(level1Grid);
}

// Bits 24-31 data TLB ways, 16-23 data entries, 8-15 instruction ways, 0-7
// instruction entries. The entry count goes in the Memory column here.
// Completes the current row of a TLB: entries, page text, ways. A type written
// before (Data/Inst/Unified) stays.
static void FinishTlbRow(CacheGrid& grid, uint32_t entries, const char* pages, const char* ways) {
    WriteNumberCell(grid, kMemoryCell, entries, " Entries");
    WriteCell(grid, kSizeCell, pages);
    WriteCell(grid, kAssociationCell, ways);
    CloseRow(grid);
}

void DecodeL1Tlb(uint32_t kind, uint32_t value) {
    const char* pages = TlbPageText(kind);
    WriteCell(level1Grid, kTypeCell, "Data TLB");
    FinishTlbRow(level1Grid, (value >> 16) & 0xFF, pages, EightBitWaysText(value >> 24));
    WriteCell(level1Grid, kTypeCell, "Inst TLB");
    FinishTlbRow(level1Grid, value & 0xFF, pages, EightBitWaysText((value >> 8) & 0xFF));
}

// Family 6 parts (Athlon, Duron) report their level-2 size unreliably in
// bits 16-31, so it follows from the model instead, and their ways are
// always shown as 16-way.
static uint32_t Family6L2Size(uint32_t model) {
    if (model == 10 || model < 3) return 512;
    if (model == 3 || model == 7) return 64;
    return 256;
}

// Bits 16-31 size in KB, 12-15 associativity, 0-7 line size.
void DecodeL2Cache(uint32_t value) {
    const bool family6 = processorRecord.cpuFamily == 6;
    const uint32_t sizeKb = family6 ? Family6L2Size(processorRecord.cpuModel) : value >> 16;
    cacheTotals.l2 = sizeKb;
    WriteCell(level23Grid, kTypeCell, "Combined");
    WriteNumberCell(level23Grid, kMemoryCell, sizeKb, " KB");
    WriteNumberCell(level23Grid, kSizeCell, value & 0xFF, " Byte Line");
    WriteCell(level23Grid, kAssociationCell, FourBitWaysText(family6 ? 8 : (value >> 12) & 0xF));
    CloseRow(level23Grid);
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
        FinishTlbRow(level23Grid, (value >> 16) & 0xFFF, pages, FourBitWaysText(value >> 28));
        WriteCell(level23Grid, kTypeCell, "Inst TLB");
    }
    FinishTlbRow(level23Grid, value & 0xFFF, pages, FourBitWaysText((value >> 12) & 0xF));
}
