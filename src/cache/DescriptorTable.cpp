// Leaf-2 descriptor bytes with the cache or TLB each one stands for.
#include "cache/DescriptorTable.h"

#include "text/TextRoutines.h"

// Ascending descriptor order, as the processor manuals list them; a byte that describes two TLBs
// has two rows in a row. The 48 bytes of the first groups are the table of the 2002 manuals and
// keep their rows as those gave them; the later bytes follow the current manual (sources in
// docs/cache-descriptors.md).
// clang-format off
static constexpr DescriptorRow DescriptorTable[] = {
//   desc  kind          size              line/entries  ways    sectored
    // TLBs of the first leaf-2 processors
    {0x01, kInstTlb,     kPages4K,         32,           4,      false},
    {0x02, kInstTlb,     kPages4M,          2,           kFully, false},
    {0x03, kDataTlb,     kPages4K,         64,           4,      false},
    {0x04, kDataTlb,     kPages4M,          8,           4,      false},
    // level-1 caches, 32-byte lines
    {0x06, kInstruction,    8,             32,           4,      false},
    {0x08, kInstruction,   16,             32,           4,      false},
    {0x0A, kData,           8,             32,           2,      false},
    {0x0C, kData,          16,             32,           4,      false},
    // level-3 caches
    {0x22, kL3Combined,   512,             64,           4,      true },
    {0x23, kL3Combined,  1024,             64,           8,      true },
    {0x25, kL3Combined,  2048,             64,           8,      true },
    {0x29, kL3Combined,  4096,             64,           8,      true },
    // level-1 caches, 64-byte lines
    {0x2C, kData,          32,             64,           8,      false},
    {0x30, kInstruction,   32,             64,           8,      false},
    // level-2 caches, sectored
    {0x39, kCombined,     128,             64,           4,      true },
    {0x3B, kCombined,     128,             64,           2,      true },
    {0x3C, kCombined,     256,             64,           4,      true },
    // no level-2 (or level-3) cache
    {0x40, kNoCache,        0,              0,           kNoWays, false},
    // level-2 caches, 32-byte lines
    {0x41, kCombined,     128,             32,           4,      false},
    {0x42, kCombined,     256,             32,           4,      false},
    {0x43, kCombined,     512,             32,           4,      false},
    {0x44, kCombined,    1024,             32,           4,      false},
    {0x45, kCombined,    2048,             32,           4,      false},
    // TLBs for several page sizes
    {0x50, kInstTlb,     kPages4K2MOr4M,   64,           kFully, false},
    {0x51, kInstTlb,     kPages4K2MOr4M,  128,           kFully, false},
    {0x52, kInstTlb,     kPages4K2MOr4M,  256,           kFully, false},
    {0x5B, kDataTlb,     kPages4KOr4M,     64,           kFully, false},
    {0x5C, kDataTlb,     kPages4KOr4M,    128,           kFully, false},
    {0x5D, kDataTlb,     kPages4KOr4M,    256,           kFully, false},
    // level-1 data caches, sectored
    {0x60, kData,          16,             64,           4,      true },
    {0x66, kData,           8,             64,           4,      true },
    {0x67, kData,          16,             64,           4,      true },
    {0x68, kData,          32,             64,           4,      true },
    // trace caches, K-micro-ops
    {0x70, kTrace,         12,              0,           8,      false},
    {0x71, kTrace,         16,              0,           8,      false},
    {0x72, kTrace,         32,              0,           8,      false},
    // level-2 caches, sectored, 64-byte lines
    {0x79, kCombined,     128,             64,           4,      true },
    {0x7A, kCombined,     256,             64,           8,      true },
    {0x7B, kCombined,     512,             64,           8,      true },
    {0x7C, kCombined,    1024,             64,           8,      true },
    // level-2 caches, 8-way and 4-way
    {0x82, kCombined,     256,             32,           8,      false},
    {0x83, kCombined,     512,             32,           8,      false},
    {0x84, kCombined,    1024,             32,           8,      false},
    {0x85, kCombined,    2048,             32,           8,      false},
    {0x86, kCombined,     512,             64,           4,      false},
    {0x87, kCombined,    1024,             64,           8,      false},
    // 4-way TLBs for several page sizes
    {0xB0, kInstTlb,     kPages4K2MOr4M,  128,           4,      false},
    {0xB3, kDataTlb,     kPages4K2MOr4M,  128,           4,      false},
};
static constexpr DescriptorRow LaterDescriptorTable[] = {
//   desc  kind          size              line/entries  ways    sectored
    {0x05, kDataTlb,     kPages4M,         32,           4,      false},
    {0x09, kInstruction,   32,             64,           4,      false},
    {0x0B, kInstTlb,     kPages4M,          4,           4,      false},
    {0x0D, kData,          16,             64,           4,      false},
    {0x0E, kData,          24,             64,           6,      false},
    {0x1D, kCombined,     128,             64,           2,      false},
    {0x21, kCombined,     256,             64,           8,      false},
    {0x24, kCombined,    1024,             64,          16,      false},
    // sectored level-2 caches of the mid-2000s tables, no longer in the current manual
    {0x3A, kCombined,     192,             64,           6,      true },
    {0x3D, kCombined,     384,             64,           6,      true },
    {0x3E, kCombined,     512,             64,           4,      true },
    {0x46, kL3Combined,  4096,             64,           4,      false},
    {0x47, kL3Combined,  8192,             64,           8,      false},
    {0x48, kCombined,    3072,             64,          12,      false},
    // level 3 on family 15 model 6, level 2 on every other processor (DecodeDescriptor)
    {0x49, kCombined,    4096,             64,          16,      false},
    {0x4A, kL3Combined,  6144,             64,          12,      false},
    {0x4B, kL3Combined,  8192,             64,          16,      false},
    {0x4C, kL3Combined, 12288,             64,          12,      false},
    {0x4D, kL3Combined, 16384,             64,          16,      false},
    {0x4E, kCombined,    6144,             64,          24,      false},
    {0x4F, kInstTlb,     kPages4K,         32,           kNoWays, false},  // ways not given
    {0x55, kInstTlb,     kPages2MOr4M,      7,           kFully, false},
    {0x56, kDataTlb,     kPages4M,         16,           4,      false},
    {0x57, kDataTlb,     kPages4K,         16,           4,      false},
    {0x59, kDataTlb,     kPages4K,         16,           kFully, false},
    {0x5A, kDataTlb,     kPages2MOr4M,     32,           4,      false},
    {0x61, kInstTlb,     kPages4K,         48,           kFully, false},
    {0x63, kDataTlb,     kPages2MOr4M,     32,           4,      false},
    {0x63, kDataTlb,     kPages1G,          4,           4,      false},
    {0x64, kDataTlb,     kPages4K,        512,           4,      false},
    {0x6A, kDataTlb,     kPages4K,         64,           8,      false},  // the manual's "uTLB"
    {0x6B, kDataTlb,     kPages4K,        256,           8,      false},
    {0x6C, kDataTlb,     kPages2MOr4M,    128,           8,      false},
    {0x6D, kDataTlb,     kPages1G,         16,           kFully, false},
    {0x73, kTrace,         64,              0,           8,      false},  // mid-2000s tables
    {0x76, kInstTlb,     kPages2MOr4M,      8,           kFully, false},
    {0x78, kCombined,    1024,             64,           4,      false},
    {0x7D, kCombined,    2048,             64,           8,      false},
    {0x7F, kCombined,     512,             64,           2,      false},
    {0x80, kCombined,     512,             64,           8,      false},
    {0xA0, kDataTlb,     kPages4K,         32,           kFully, false},
    {0xB1, kInstTlb,     kPages2M,          8,           4,      false},
    {0xB1, kInstTlb,     kPages4M,          4,           4,      false},
    {0xB2, kInstTlb,     kPages4K,         64,           4,      false},
    {0xB4, kDataTlb,     kPages4K,        256,           4,      false},
    {0xB5, kInstTlb,     kPages4K,         64,           8,      false},
    {0xB6, kInstTlb,     kPages4K,        128,           8,      false},
    {0xBA, kDataTlb,     kPages4K,         64,           4,      false},
    {0xC0, kDataTlb,     kPages4KOr4M,      8,           4,      false},
    {0xC1, kUnifiedTlb,  kPages4KOr2M,   1024,           8,      false},
    {0xC2, kDataTlb,     kPages4KOr2M,     16,           4,      false},
    {0xC3, kUnifiedTlb,  kPages4KOr2M,   1536,           6,      false},
    {0xC3, kUnifiedTlb,  kPages1G,         16,           4,      false},
    {0xC4, kDataTlb,     kPages2MOr4M,     32,           4,      false},
    {0xCA, kUnifiedTlb,  kPages4K,        512,           4,      false},
    {0xD0, kL3Combined,   512,             64,           4,      false},
    {0xD1, kL3Combined,  1024,             64,           4,      false},
    {0xD2, kL3Combined,  2048,             64,           4,      false},
    {0xD6, kL3Combined,  1024,             64,           8,      false},
    {0xD7, kL3Combined,  2048,             64,           8,      false},
    {0xD8, kL3Combined,  4096,             64,           8,      false},
    {0xDC, kL3Combined,  1536,             64,          12,      false},
    {0xDD, kL3Combined,  3072,             64,          12,      false},
    {0xDE, kL3Combined,  6144,             64,          12,      false},
    {0xE2, kL3Combined,  2048,             64,          16,      false},
    {0xE3, kL3Combined,  4096,             64,          16,      false},
    {0xE4, kL3Combined,  8192,             64,          16,      false},
    {0xEA, kL3Combined, 12288,             64,          24,      false},
    {0xEB, kL3Combined, 18432,             64,          24,      false},
    {0xEC, kL3Combined, 24576,             64,          24,      false},
    // prefetch sizes, and the bytes that send the caches to leaf 4 and the TLBs to leaf 0x18
    // (the probe walks those leaves)
    {0xF0, kNoCache,        0,              0,           kNoWays, false},
    {0xF1, kNoCache,        0,              0,           kNoWays, false},
    {0xFE, kNoCache,        0,              0,           kNoWays, false},
    {0xFF, kNoCache,        0,              0,           kNoWays, false},
};
// clang-format on
static constexpr size_t kSeedCount = sizeof DescriptorTable / sizeof DescriptorTable[0];
static constexpr size_t kLaterCount = sizeof LaterDescriptorTable / sizeof LaterDescriptorTable[0];
static_assert(kSeedCount == 48, "48 descriptors of the 2002 manuals");
static_assert(kLaterCount == 74, "74 rows of the later manuals");

// Ascending; a descriptor repeats only in the row right after its first.
template <size_t N>
static constexpr bool DescriptorsAscend(const DescriptorRow (&rows)[N]) {
    for (size_t i = 1; i < N; ++i)
        if (rows[i - 1].descriptor > rows[i].descriptor) return false;
    return true;
}
static constexpr bool Disjoint() {
    for (const DescriptorRow& seed : DescriptorTable)
        for (const DescriptorRow& later : LaterDescriptorTable)
            if (seed.descriptor == later.descriptor) return false;
    return true;
}
static_assert(DescriptorsAscend(DescriptorTable) && DescriptorsAscend(LaterDescriptorTable), "rows ascend");
static_assert(Disjoint(), "a later row never redefines a byte of the 2002 manuals");

template <size_t N>
static const DescriptorRow* FindIn(const DescriptorRow (&rows)[N], uint32_t descriptor, size_t& count) {
    for (size_t i = 0; i < N; ++i) {
        if (rows[i].descriptor != descriptor) continue;
        count = 1;
        while (i + count < N && rows[i + count].descriptor == descriptor) ++count;
        return &rows[i];
    }
    return nullptr;
}

const DescriptorRow* FindDescriptor(uint32_t descriptor, size_t& count) {
    count = 0;
    const DescriptorRow* row = FindIn(DescriptorTable, descriptor, count);
    return row != nullptr ? row : FindIn(LaterDescriptorTable, descriptor, count);
}

// One size "A pages", two "A or B pages", three "A, B or C pages", all four joined by slashes to
// stay within a cell.
void PageSizeText(uint32_t pages, char* output, size_t capacity) {
    static constexpr const char* kNames[] = {"4K", "2M", "4M", "1G"};
    size_t total = 0;
    for (size_t bit = 0; bit < 4; ++bit) total += (pages >> bit) & 1;
    CopyText("", output, capacity);
    size_t written = 0;
    for (size_t bit = 0; bit < 4; ++bit) {
        if (((pages >> bit) & 1) == 0) continue;
        if (written > 0) AppendText(total == 4 ? "/" : written + 1 == total ? " or " : ", ", output, capacity);
        AppendText(kNames[bit], output, capacity);
        ++written;
    }
    if (written > 0) AppendText(" pages", output, capacity);
}
