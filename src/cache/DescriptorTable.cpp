// Leaf-2 descriptor bytes with the cache or TLB each one stands for.
#include "cache/DescriptorTable.h"

#include <cstddef>

// Ascending descriptor order, as the processor manuals list them.
// clang-format off
static constexpr DescriptorRow DescriptorTable[] = {
//   desc  kind          size              line/entries  ways       sectored
    // TLBs of the first leaf-2 processors
    {0x01, kInstTlb,     kPages4K,         32,           kFourWay,  false},
    {0x02, kInstTlb,     kPages4M,          2,           kFully,    false},
    {0x03, kDataTlb,     kPages4K,         64,           kFourWay,  false},
    {0x04, kDataTlb,     kPages4M,          8,           kFourWay,  false},
    // level-1 caches, 32-byte lines
    {0x06, kInstruction,    8,             32,           kFourWay,  false},
    {0x08, kInstruction,   16,             32,           kFourWay,  false},
    {0x0A, kData,           8,             32,           kTwoWay,   false},
    {0x0C, kData,          16,             32,           kFourWay,  false},
    // level-3 caches
    {0x22, kL3Combined,   512,             64,           kFourWay,  true },
    {0x23, kL3Combined,  1024,             64,           kEightWay, true },
    {0x25, kL3Combined,  2048,             64,           kEightWay, true },
    {0x29, kL3Combined,  4096,             64,           kEightWay, true },
    // level-1 caches, 64-byte lines
    {0x2C, kData,          32,             64,           kEightWay, false},
    {0x30, kInstruction,   32,             64,           kEightWay, false},
    // level-2 caches, sectored
    {0x39, kCombined,     128,             64,           kFourWay,  true },
    {0x3B, kCombined,     128,             64,           kTwoWay,   true },
    {0x3C, kCombined,     256,             64,           kFourWay,  true },
    // no level-2 (or level-3) cache
    {0x40, kNoCache,        0,              0,           kNoWays,   false},
    // level-2 caches, 32-byte lines
    {0x41, kCombined,     128,             32,           kFourWay,  false},
    {0x42, kCombined,     256,             32,           kFourWay,  false},
    {0x43, kCombined,     512,             32,           kFourWay,  false},
    {0x44, kCombined,    1024,             32,           kFourWay,  false},
    {0x45, kCombined,    2048,             32,           kFourWay,  false},
    // TLBs for several page sizes
    {0x50, kInstTlb,     kPages4K2MOr4M,   64,           kFully,    false},
    {0x51, kInstTlb,     kPages4K2MOr4M,  128,           kFully,    false},
    {0x52, kInstTlb,     kPages4K2MOr4M,  256,           kFully,    false},
    {0x5B, kDataTlb,     kPages4KOr4M,     64,           kFully,    false},
    {0x5C, kDataTlb,     kPages4KOr4M,    128,           kFully,    false},
    {0x5D, kDataTlb,     kPages4KOr4M,    256,           kFully,    false},
    // level-1 data caches, sectored
    {0x60, kData,          16,             64,           kFourWay,  true },
    {0x66, kData,           8,             64,           kFourWay,  true },
    {0x67, kData,          16,             64,           kFourWay,  true },
    {0x68, kData,          32,             64,           kFourWay,  true },
    // trace caches, K-micro-ops
    {0x70, kTrace,         12,              0,           kEightWay, false},
    {0x71, kTrace,         16,              0,           kEightWay, false},
    {0x72, kTrace,         32,              0,           kEightWay, false},
    // level-2 caches, sectored, 64-byte lines
    {0x79, kCombined,     128,             64,           kFourWay,  true },
    {0x7A, kCombined,     256,             64,           kEightWay, true },
    {0x7B, kCombined,     512,             64,           kEightWay, true },
    {0x7C, kCombined,    1024,             64,           kEightWay, true },
    // level-2 caches, 8-way and 4-way
    {0x82, kCombined,     256,             32,           kEightWay, false},
    {0x83, kCombined,     512,             32,           kEightWay, false},
    {0x84, kCombined,    1024,             32,           kEightWay, false},
    {0x85, kCombined,    2048,             32,           kEightWay, false},
    {0x86, kCombined,     512,             64,           kFourWay,  false},
    {0x87, kCombined,    1024,             64,           kEightWay, false},
    // 4-way TLBs for several page sizes
    {0xB0, kInstTlb,     kPages4K2MOr4M,  128,           kFourWay,  false},
    {0xB3, kDataTlb,     kPages4K2MOr4M,  128,           kFourWay,  false},
};
// clang-format on
static constexpr size_t kDescriptorCount = sizeof DescriptorTable / sizeof DescriptorTable[0];
static_assert(kDescriptorCount == 48, "48 known descriptors");

static constexpr bool DescriptorsAscend() {
    for (size_t i = 1; i < kDescriptorCount; ++i)
        if (DescriptorTable[i - 1].descriptor >= DescriptorTable[i].descriptor) return false;
    return true;
}
static_assert(DescriptorsAscend(), "descriptor rows ascend without repeats");

const DescriptorRow* FindDescriptor(uint32_t descriptor) {
    for (const DescriptorRow& row : DescriptorTable)
        if (row.descriptor == descriptor) return &row;
    return nullptr;
}

const char* PageSizeText(uint32_t code) {
    // clang-format off
    static constexpr const char* kPageSizeTexts[] = {
        "4K pages",             // kPages4K
        "2M pages",             // kPages2M
        "4M pages",             // kPages4M
        "4K or 4M pages",       // kPages4KOr4M
        "4K, 2M or 4M pages",   // kPages4K2MOr4M
    };
    // clang-format on
    static_assert(sizeof kPageSizeTexts / sizeof kPageSizeTexts[0] == 5, "five page-size codes");
    return code < 5 ? kPageSizeTexts[code] : "";
}
