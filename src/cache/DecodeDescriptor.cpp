// Leaf-2 descriptors: one row per known cache or TLB byte, sizes into the totals.
#include "cache/DecodeDescriptor.h"

#include "cache/CacheGrid.h"
#include "cache/DescriptorTable.h"
#include "cpu/ProcessorRecord.h"
#include "text/TextRoutines.h"

struct KindRow {
    const char* typeText;
    CacheGrid* grid;
    uint32_t* total;   // nullptr: the kind feeds no total
};

// Where each kind goes; indexed by CacheKind.
// clang-format off
static constexpr KindRow kKinds[] = {
//   typeText          grid          total
    {"",               nullptr,      nullptr},                     // kNoCache
    {"Instruction",    &level1Grid,  &cacheTotals.l1Instruction},  // kInstruction
    {"Data",           &level1Grid,  &cacheTotals.l1Data},         // kData
    {"Combined",       &level23Grid, &cacheTotals.l2},             // kCombined
    {"L3 Combined",    &level23Grid, &cacheTotals.l3},             // kL3Combined
    {"Inst TLB",       &level1Grid,  nullptr},                     // kInstTlb
    {"Data TLB",       &level1Grid,  nullptr},                     // kDataTlb
    {"Trace",          &level1Grid,  &cacheTotals.l1Instruction},  // kTrace
    {"Unified TLB",    &level23Grid, nullptr},                     // kUnifiedTlb
};
// clang-format on
static_assert(sizeof kKinds / sizeof kKinds[0] == kUnifiedTlb + 1, "one row per kind");

// Descriptor 0x49 names the level-3 cache of family 15 model 6 (leaf 1 EAX bits 8-11 and 4-7)
// and the level-2 cache of every other processor.
static CacheKind KindOf(const DescriptorRow& row) {
    const bool level3 = row.descriptor == 0x49 && processorRecord.cpuFamily == 15 && processorRecord.cpuModel == 6;
    return level3 ? kL3Combined : row.kind;
}

static void DecodeRow(const DescriptorRow& row) {
    const KindRow& kind = kKinds[KindOf(row)];
    CacheGrid& grid = *kind.grid;

    // Type: kind text, then ", " and the descriptor in decimal (0x2C gives ", 44").
    char text[kCacheCellSize];
    CopyText(kind.typeText, text, sizeof text);
    AppendText(", ", text, sizeof text);
    AppendDecimal(row.descriptor, text, sizeof text);
    WriteCell(grid, kTypeCell, text);

    if (row.kind == kInstTlb || row.kind == kDataTlb || row.kind == kUnifiedTlb) {
        PageSizeText(row.size, text, sizeof text);
        WriteCell(grid, kMemoryCell, text);
        WriteNumberCell(grid, kSizeCell, row.lineOrEntries, " Entries");
    } else if (row.kind == kTrace) {
        // A trace cache has no line size: its Size cell keeps its old text.
        WriteNumberCell(grid, kMemoryCell, row.size, " K-\xB5ops");
    } else {
        WriteNumberCell(grid, kMemoryCell, row.size, " KB");
        WriteNumberCell(grid, kSizeCell, row.lineOrEntries, " Byte Line");
    }
    // A row without ways leaves the cell as it was.
    if (row.ways != kNoWays) WriteWaysCell(grid, row.ways == kFully ? kFullyAssociative : row.ways);
    WriteCell(grid, kSectoredCell, row.sectored ? "Yes" : "No");
    CloseRow(grid);

    // Repeated descriptors are counted again; the trace cache's K-micro-ops
    // count as KB of l1Instruction.
    if (kind.total != nullptr) *kind.total += row.size;
}

void DecodeDescriptorRegister(uint32_t value, DescriptorNotice& notice) {
    for (int shift = 0; shift < 32; shift += 8) DecodeDescriptor((value >> shift) & 0xFF, notice);
}

int32_t DecodeDescriptor(uint32_t descriptor, DescriptorNotice& notice) {
    if (descriptor == 0) return 0;
    size_t count = 0;
    const DescriptorRow* rows = FindDescriptor(descriptor, count);
    if (rows == nullptr) {
        notice.UnknownDescriptor(descriptor);
        return 0;
    }
    for (size_t i = 0; i < count; ++i)
        if (rows[i].kind != kNoCache) DecodeRow(rows[i]);
    return 1;
}
