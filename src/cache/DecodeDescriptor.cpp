// Leaf-2 descriptors: one row per known cache or TLB byte, sizes into the totals.
#include "cache/DecodeDescriptor.h"

#include "cache/CacheGrid.h"
#include "cache/DescriptorTable.h"
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
};
// clang-format on
static_assert(sizeof kKinds / sizeof kKinds[0] == kTrace + 1, "one row per kind");

static const char* WaysText(DescriptorWays ways) {
    switch (ways) {
    case kFully: return "Fully";
    case kTwoWay: return "2-Way";
    case kFourWay: return "4-Way";
    case kEightWay: return "8-Way";
    case kNoWays: break;
    }
    return "";
}

void DecodeDescriptorRegister(uint32_t value, DescriptorNotice& notice) {
    for (int shift = 0; shift < 32; shift += 8) DecodeDescriptor((value >> shift) & 0xFF, notice);
}

int32_t DecodeDescriptor(uint32_t descriptor, DescriptorNotice& notice) {
    if (descriptor == 0) return 0;
    const DescriptorRow* row = FindDescriptor(descriptor);
    if (row == nullptr) {
        notice.UnknownDescriptor(descriptor);
        return 0;
    }
    if (row->kind == kNoCache) return 1;
    const KindRow& kind = kKinds[row->kind];
    CacheGrid& grid = *kind.grid;

    // Type: kind text, then ", " and the descriptor in decimal (0x2C gives ", 44").
    char text[kCacheCellSize];
    CopyText(kind.typeText, text, sizeof text);
    AppendText(", ", text, sizeof text);
    AppendDecimal(static_cast<int32_t>(descriptor), text, sizeof text);
    WriteCell(grid, kTypeCell, text);

    if (row->kind == kInstTlb || row->kind == kDataTlb) {
        WriteCell(grid, kMemoryCell, PageSizeText(row->size));
        WriteNumberCell(grid, kSizeCell, row->lineOrEntries, " Entries");
    } else if (row->kind == kTrace) {
        // A trace cache has no line size: its Size cell keeps its old text.
        WriteNumberCell(grid, kMemoryCell, row->size, " K-\xB5ops");
    } else {
        WriteNumberCell(grid, kMemoryCell, row->size, " KB");
        WriteNumberCell(grid, kSizeCell, row->lineOrEntries, " Byte Line");
    }
    // Association code 0 leaves the cell as it was.
    if (row->ways != kNoWays) WriteCell(grid, kAssociationCell, WaysText(row->ways));
    WriteCell(grid, kSectoredCell, row->sectored ? "Yes" : "No");
    CloseRow(grid);

    // Repeated descriptors are counted again; the trace cache's K-micro-ops
    // count as KB of l1Instruction.
    if (kind.total != nullptr) *kind.total += row->size;
    return 1;
}
