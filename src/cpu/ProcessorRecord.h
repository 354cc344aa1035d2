// The process-wide result of the CPUID probe.
#pragma once
#include <cstdint>

constexpr uint32_t kVendorStringLength = 12;
constexpr uint32_t kBrandStringLength = 48;

struct ProcessorRecord {
    char vendorString[kVendorStringLength + 1];
    uint32_t vendorIndex;
    uint32_t signature;
    uint32_t cpuStepping;
    uint32_t cpuModel;
    uint32_t cpuFamily;
    uint32_t cpuType;
    uint32_t brandId;
    uint32_t leaf1Ebx;
    uint32_t featuresEdx;
    uint32_t featuresEcx;
    uint32_t extFeaturesEdx;
    char brandString[kBrandStringLength + 1];
    uint32_t brandStringValid;
    uint32_t transmetaShift;
    // Where the processor reports them, else 0: leaf 7 sub-leaf 0 EBX, ECX, EDX; leaf 7
    // sub-leaf 1 EAX; leaf 0x80000001 ECX.
    uint32_t leaf7Ebx;
    uint32_t leaf7Ecx;
    uint32_t leaf7Edx;
    uint32_t leaf7Sub1Eax;
    uint32_t extFeaturesEcx;
};

// Written by ProbeProcessor (and the database browser); zero at start-up.
// The cache grids and totals live in cache/CacheGrid.h, the clock results in
// cpu/FrequencyResult.h.
extern ProcessorRecord processorRecord;
