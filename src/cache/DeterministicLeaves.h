// Caches from leaf 4 (and AMD's leaf 0x8000001D, laid out alike), TLBs from leaf 0x18.
#pragma once
#include <cstdint>

#include "cpu/CpuidSource.h"

// One cache as a sub-leaf of leaf 4 or 0x8000001D describes it, per instance.
struct CacheParameters {
    uint32_t type;   // 1 data, 2 instruction, 3 unified; 0 ends the list
    uint32_t level;
    uint32_t ways;   // kFullyAssociative for a fully associative cache
    uint32_t lineBytes;
    uint64_t sizeKb;
};
CacheParameters ReadCacheParameters(const CpuidRegisters& regs);

// Leaf 4's sub-leaves from 0 until cache type 0: one row per cache, level 1 in level1Grid and
// the others in level23Grid, each size added to its level's total (none past level 3).
void DescribeLeaf4Caches(CpuidSource& cpu);
// Leaf 0x18's sub-leaves 0 to the last (sub-leaf 0 EAX): one row per valid TLB, level 1 in
// level1Grid and the others in level23Grid.
void DescribeLeaf18Tlbs(CpuidSource& cpu);

// The caches the totals name, from leaf 0x8000001D; type 0 where it lists none.
struct CacheTopology {
    CacheParameters l1Data, l1Instruction, l2, l3;
};
CacheTopology ReadCacheTopology(CpuidSource& cpu);
