// Rows from the deterministic cache and address-translation leaves, walked sub-leaf by sub-leaf.
#include "cache/DeterministicLeaves.h"

#include "cache/CacheGrid.h"
#include "cache/DescriptorTable.h"
#include "cpu/SubLeaves.h"
#include "text/TextRoutines.h"

// EAX bits 0-4 type, 5-7 level, 9 fully associative; EBX bits 0-11 line size, 12-21 partitions,
// 22-31 ways; ECX sets; each field one less than its value. Size = ways x partitions x line x
// sets: a set holds at most 2^32 bytes, and a product past 64 bits is held at the largest.
CacheParameters ReadCacheParameters(const CpuidRegisters& regs) {
    const uint64_t line = (regs.ebx & 0xFFF) + 1;
    const uint64_t partitions = ((regs.ebx >> 12) & 0x3FF) + 1;
    const uint64_t ways = (regs.ebx >> 22) + 1;
    const uint64_t sets = static_cast<uint64_t>(regs.ecx) + 1;
    const uint64_t setBytes = ways * partitions * line;
    const uint64_t bytes = sets > UINT64_MAX / setBytes ? UINT64_MAX : setBytes * sets;
    const bool fully = ((regs.eax >> 9) & 1) != 0;
    return {regs.eax & 0x1F, (regs.eax >> 5) & 0x7, fully ? kFullyAssociative : static_cast<uint32_t>(ways),
            static_cast<uint32_t>(line), bytes / 1024};
}

// "Data", "Instruction" and "Combined" where the page's level is plain (level 1 split, level 2
// unified), "L3 Combined" and the like elsewhere; then where the row comes from.
static void CacheTypeText(const CacheParameters& cache, char* text, size_t capacity) {
    const bool plain = cache.level == 1 ? cache.type != 3 : cache.level == 2 && cache.type == 3;
    CopyText(plain ? "" : "L", text, capacity);
    if (!plain) {
        AppendUnsigned(cache.level, text, capacity);
        AppendText(" ", text, capacity);
    }
    AppendText(cache.type == 1 ? "Data" : cache.type == 3 ? "Combined" : cache.level == 1 ? "Instruction" : "Inst",
               text, capacity);
    AppendText(", leaf 4", text, capacity);
}

// Level 1 data (and a unified level 1) into l1Data, instructions into l1Instruction, levels 2
// and 3 into l2 and l3; a fourth level has no total.
static uint32_t* TotalOf(const CacheParameters& cache) {
    switch (cache.level) {
    case 1: return cache.type == 2 ? &cacheTotals.l1Instruction : &cacheTotals.l1Data;
    case 2: return &cacheTotals.l2;
    case 3: return &cacheTotals.l3;
    }
    return nullptr;
}

static CacheGrid& GridOf(uint32_t level) { return level <= 1 ? level1Grid : level23Grid; }

// Reserved types (4-31) describe nothing shown here.
void DescribeLeaf4Caches(CpuidSource& cpu) {
    const uint32_t count = SubLeafCount(cpu, 4);
    for (uint32_t subLeaf = 0; subLeaf < count; ++subLeaf) {
        const CacheParameters cache = ReadCacheParameters(cpu.Execute(4, subLeaf));
        if (cache.type == 0 || cache.type > 3) continue;
        CacheGrid& grid = GridOf(cache.level);
        char text[kCacheCellSize];
        CacheTypeText(cache, text, sizeof text);
        WriteCell(grid, kTypeCell, text);
        WriteSizeCell(grid, cache.sizeKb);
        WriteNumberCell(grid, kSizeCell, cache.lineBytes, " Byte Line");
        WriteWaysCell(grid, cache.ways);
        CloseRow(grid);
        if (uint32_t* total = TotalOf(cache)) AddKilobytes(*total, cache.sizeKb);
    }
}

// Leaf 0x18 EDX bits 0-4 type (0 invalid, 1 data, 2 instruction, 3 unified, 4 load only, 5
// store only), 5-7 level, 8 fully associative; EBX bits 0-3 the 4K, 2M, 4M and 1G pages it holds,
// 16-31 ways; ECX sets. A unified TLB past level 1 is the shared second-level TLB (STLB).
void DescribeLeaf18Tlbs(CpuidSource& cpu) {
    static constexpr const char* kTypeTexts[] = {"", "Data TLB", "Inst TLB", "TLB", "Load TLB", "Store TLB"};
    const uint32_t count = SubLeafCount(cpu, 0x18);
    for (uint32_t subLeaf = 0; subLeaf < count; ++subLeaf) {
        const CpuidRegisters regs = cpu.Execute(0x18, subLeaf);
        const uint32_t type = regs.edx & 0x1F;
        const uint32_t level = (regs.edx >> 5) & 0x7;
        if (type == 0 || type > 5) continue;
        CacheGrid& grid = GridOf(level);
        char text[kCacheCellSize];
        CopyText(type == 3 && level > 1 ? "STLB" : kTypeTexts[type], text, sizeof text);
        AppendText(", leaf 18h", text, sizeof text);
        WriteCell(grid, kTypeCell, text);
        PageSizeText(regs.ebx & 0xF, text, sizeof text);
        WriteCell(grid, kMemoryCell, text);
        const uint64_t ways = regs.ebx >> 16;
        const uint64_t entries = ways * regs.ecx;
        char number[kCacheCellSize] = "";
        AppendUnsignedWide(entries, number, sizeof number);
        AppendText(" Entries", number, sizeof number);
        WriteCell(grid, kSizeCell, number);
        WriteWaysCell(grid, ((regs.edx >> 8) & 1) != 0 ? kFullyAssociative : static_cast<uint32_t>(ways));
        CloseRow(grid);
    }
}

// The first cache of each kind the list gives.
CacheTopology ReadCacheTopology(CpuidSource& cpu) {
    CacheTopology topology = {};
    const uint32_t count = SubLeafCount(cpu, 0x8000001D);
    for (uint32_t subLeaf = 0; subLeaf < count; ++subLeaf) {
        const CacheParameters cache = ReadCacheParameters(cpu.Execute(0x8000001D, subLeaf));
        CacheParameters* slot = cache.level == 1 && cache.type == 1   ? &topology.l1Data
                                : cache.level == 1 && cache.type == 2 ? &topology.l1Instruction
                                : cache.level == 2 && cache.type == 3 ? &topology.l2
                                : cache.level == 3 && cache.type == 3 ? &topology.l3
                                                                      : nullptr;
        if (slot != nullptr && slot->type == 0) *slot = cache;
    }
    return topology;
}
