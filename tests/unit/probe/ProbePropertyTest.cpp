// The probe on random processors: records and grids stay well formed.
#include <cstring>
#include <random>

#include "probe/ProbeFixture.h"

TEST_F(ProbeTest, RandomProcessorsGiveSoundRecords) {
    static const uint32_t kLeaves[] = {0, 1, 2, 0x80000000, 0x80000001, 0x80000002, 0x80000003,
                                       0x80000004, 0x80000005, 0x80000006, 0x80860001};
    static const char* const kVendors[] = {"GenuineIntel", "AuthenticAMD", "GenuineTMx86", "CyrixInstead"};
    std::mt19937 random(1994);
    for (int round = 0; round < 5000; ++round) {
        RecordingCpuid processor;
        for (uint32_t leaf : kLeaves)
            if (random() % 8 != 0) processor.Set(leaf, {static_cast<uint32_t>(random()), static_cast<uint32_t>(random()),
                                                  static_cast<uint32_t>(random()), static_cast<uint32_t>(random())});
        // Mostly a known vendor, so every cache path is taken often.
        if (random() % 4 != 0) SetVendor(processor, kVendors[random() % 4], random());
        ProbeProcessor(processor, notice);
        ASSERT_NE(std::memchr(record.vendorString, '\0', sizeof record.vendorString), nullptr);
        ASSERT_EQ(record.brandString[kBrandStringLength], '\0');
        ASSERT_LT(record.vendorIndex, 10u);
        ASSERT_LE(record.cpuFamily, 15u);
        ExpectGridSound(level1Grid);
        ExpectGridSound(level23Grid);
        if (HasFatalFailure()) return;
    }
}
