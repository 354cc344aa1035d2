// Decoders of the extended cache leaves 0x80000005 and 0x80000006.
#pragma once
#include <cstdint>

// kind 1: leaf 0x80000005 ECX (data cache); kind 2: EDX (instruction cache).
void DecodeL1Cache(uint32_t kind, uint32_t value);
// kind 1: leaf 0x80000005 EAX (large pages); kind 2: EBX (4 KB pages).
void DecodeL1Tlb(uint32_t kind, uint32_t value);
// Leaf 0x80000006 ECX.
void DecodeL2Cache(uint32_t value);
// kind 1: leaf 0x80000006 EAX (large pages); kind 2: EBX (4 KB pages).
void DecodeL2Tlb(uint32_t kind, uint32_t value);
