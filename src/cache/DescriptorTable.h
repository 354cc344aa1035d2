// The leaf-2 descriptor table and the TLB page-size texts.
#pragma once
#include <cstddef>
#include <cstdint>

enum CacheKind : uint8_t {
    kNoCache,       // counted as known, writes nothing
    kInstruction,   // level1Grid, l1Instruction
    kData,          // level1Grid, l1Data
    kCombined,      // level23Grid, l2
    kL3Combined,    // level23Grid, l3
    kInstTlb,       // level1Grid
    kDataTlb,       // level1Grid
    kTrace,         // level1Grid, l1Instruction (thousands of micro-ops)
    kUnifiedTlb,    // level23Grid: a second-level TLB shared by data and instructions
};

// Ways of a descriptor: 0 writes no association text, kFully "Fully", any other the number.
constexpr uint8_t kNoWays = 0;
constexpr uint8_t kFully = 0xFF;

// Page sizes a TLB holds, the size figure of TLB rows: a set of these bits.
enum PageSizes : uint8_t {
    kPages4K = 1,
    kPages2M = 2,
    kPages4M = 4,
    kPages1G = 8,
    kPages4KOr2M = kPages4K | kPages2M,
    kPages2MOr4M = kPages2M | kPages4M,
    kPages4KOr4M = kPages4K | kPages4M,
    kPages4K2MOr4M = kPages4K | kPages2M | kPages4M,
};

struct DescriptorRow {
    uint8_t descriptor;
    CacheKind kind;
    uint16_t size;            // KB; K-micro-ops for a trace cache; PageSizes for a TLB
    uint16_t lineOrEntries;   // line bytes for a cache, entries for a TLB, 0 for a trace cache
    uint8_t ways;             // kNoWays, kFully, or the number of ways
    bool sectored;
};

// The rows for descriptor (a byte may describe two TLBs, one row each), or nullptr and a count
// of 0 when the table does not know it.
const DescriptorRow* FindDescriptor(uint32_t descriptor, size_t& count);
// "4K pages", "4K or 4M pages", "4K, 2M or 4M pages", "4K/2M/4M/1G pages" and the like for a
// set of PageSizes bits, "" for none; at most 19 characters.
void PageSizeText(uint32_t pages, char* output, size_t capacity);
