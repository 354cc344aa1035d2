// Decoders of the extended cache leaves 0x80000005 and 0x80000006.
#pragma once
#include <cstdint>

#include "cache/DeterministicLeaves.h"

// Each cache decoder takes the cache's own description from leaf 0x8000001D where the processor
// gives one (type not 0): its size per instance, and its ways where the register defers to it.
// kind 1: leaf 0x80000005 ECX (data cache); kind 2: EDX (instruction cache).
void DecodeL1Cache(uint32_t kind, uint32_t value, const CacheParameters& instance = {});
// kind 1: leaf 0x80000005 EAX (large pages); kind 2: EBX (4 KB pages).
void DecodeL1Tlb(uint32_t kind, uint32_t value);
// Leaf 0x80000005 EAX or EBX as above, without the half whose entries or ways are 0.
void DecodeReportedL1Tlb(uint32_t kind, uint32_t value);
// Leaf 0x80000006 ECX, with the family-6 sizes of the first extended-leaf processors.
void DecodeL2Cache(uint32_t value, const CacheParameters& instance = {});
// Leaf 0x80000006 ECX, as the register says on every family.
void DecodeReportedL2Cache(uint32_t value);
// Leaf 0x80000006 EDX: a row and the l3 total when it reports a level-3 cache.
void DecodeL3Cache(uint32_t value, const CacheParameters& instance = {});
// kind 1: leaf 0x80000006 EAX (large pages); kind 2: EBX (4 KB pages).
void DecodeL2Tlb(uint32_t kind, uint32_t value);
