// The leaf-2 descriptor table and the TLB page-size texts.
#pragma once
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
};

// Association codes of the table; 0 writes no association text.
enum DescriptorWays : uint8_t { kNoWays, kFully, kTwoWay, kFourWay, kEightWay };

// Page-size codes, the size figure of TLB rows.
enum PageSizeCode : uint8_t { kPages4K, kPages2M, kPages4M, kPages4KOr4M, kPages4K2MOr4M };

struct DescriptorRow {
    uint8_t descriptor;
    CacheKind kind;
    uint16_t size;            // KB; K-micro-ops for a trace cache; PageSizeCode for a TLB
    uint16_t lineOrEntries;   // line bytes for a cache, entries for a TLB, 0 for a trace cache
    DescriptorWays ways;
    bool sectored;
};

// The row for descriptor, or nullptr when the table does not know it.
const DescriptorRow* FindDescriptor(uint32_t descriptor);
// "4K pages" and the like for codes 0-4, "" for any other code.
const char* PageSizeText(uint32_t code);
