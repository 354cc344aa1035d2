// CPUID vendor strings and their short names; vendorIndex is a position here.
#pragma once
#include <cstdint>

constexpr uint32_t kVendorCount = 12;
constexpr uint32_t kVendorIntel = 0;
constexpr uint32_t kVendorAmd = 1;
constexpr uint32_t kVendorTransmeta = 3;
constexpr uint32_t kVendorCentaur = 6;
constexpr uint32_t kVendorHygon = 10;
constexpr uint32_t kVendorZhaoxin = 11;

struct VendorRow {
    const char* vendorString;
    const char* shortName;
};

// Position of the first row whose vendor string equals vendorString exactly;
// 0 when none does.
uint32_t FindVendorIndex(const char* vendorString);
// The row at index; a row of empty texts for an index past the table.
const VendorRow& VendorAt(uint32_t index);
