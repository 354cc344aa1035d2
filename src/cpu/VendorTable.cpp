// The vendor table: leaf 0 EBX-EDX-ECX strings, in the order that fixes vendorIndex.
#include "cpu/VendorTable.h"

#include "text/TextRoutines.h"

// Row order is vendorIndex and the database page's vendor list; trailing
// blanks belong to the strings. The vendors after the first ten follow them.
// clang-format off
static constexpr VendorRow VendorTable[] = {
//   vendorString      shortName
    {"GenuineIntel",  "Intel"},
    {"AuthenticAMD",  "AMD"},
    {"CyrixInstead",  "Cyrix"},
    {"GenuineTMx86",  "Transmeta"},
    {"UMC UMC UMC ",  "UMCC "},
    {"NexGenDriven",  "NexGen"},
    {"CentaurHauls",  "Centaur"},
    {"RiseRiseRise",  "Rise"},
    {"SiS SiS SiS ",  "SiS"},
    {"Geode by NSC",  "GeodeC"},
    {"HygonGenuine",  "Hygon"},
    {"  Shanghai  ",  "Zhaoxin"},
};
// clang-format on
static_assert(sizeof VendorTable / sizeof VendorTable[0] == kVendorCount, "one row per vendor");

uint32_t FindVendorIndex(const char* vendorString) {
    for (uint32_t index = 0; index < kVendorCount; ++index)
        if (SameText(vendorString, VendorTable[index].vendorString)) return index;
    return kVendorIntel;
}

const VendorRow& VendorAt(uint32_t index) {
    static constexpr VendorRow kNoVendor = {"", ""};
    return index < kVendorCount ? VendorTable[index] : kNoVendor;
}
