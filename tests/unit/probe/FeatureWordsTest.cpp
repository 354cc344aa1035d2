// The feature words beyond leaf 1 and leaf 0x80000001 EDX: read only where the processor
// reports their leaves, else 0; on built processors and on dumps of real ones.
#include "probe/ProbeFixture.h"

// Leaf 7 needs a highest standard leaf of 7 or more, below the hypervisor range; its sub-leaf
// 1 needs sub-leaf 0's EAX to name it (some processors answer sub-leaf 1 with sub-leaf 0's
// registers). Extended ECX needs a highest extended leaf above 0x80000000. Words from an
// earlier probe never survive.
TEST_F(ProbeTest, LaterFeatureWordsOnlyWhereTheLeavesAreReported) {
    const struct { uint32_t highestLeaf, subLeaves, highestExtLeaf; bool leaf7Read;
                   uint32_t leaf7Ebx, leaf7Sub1Eax, extFeaturesEcx; } cases[] = {
        {6, 1, 0x80000000, false, 0, 0, 0},
        {7, 0, 0x80000001, true, 0x20, 0, 0x21},
        {7, 1, 0x80000008, true, 0x20, 0x30, 0x21},
        {0x24, 2, 0x7FFFFFFF, true, 0x20, 0x30, 0},
        {0x40000000, 1, 0x80000001, false, 0, 0, 0x21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "highest " << c.highestLeaf << ", sub-leaves " << c.subLeaves
                                        << ", extended " << c.highestExtLeaf);
        SetUp();
        processorRecord.leaf7Ebx = processorRecord.leaf7Sub1Eax = processorRecord.extFeaturesEcx = 0xDEAD;
        SetVendor(cpu, "AuthenticAMD", c.highestLeaf);
        cpu.Set(7, 0, {c.subLeaves, 0x20, 0x40, 0x10});
        cpu.Set(7, 1, {0x30, 0, 0, 0});
        cpu.Set(0x80000000, 0, {c.highestExtLeaf, 0, 0, 0});
        cpu.Set(0x80000001, 0, {0, 0, 0x21, 0x20000000});
        ProbeProcessor(cpu, notice);
        EXPECT_EQ(cpu.Executed(7), c.leaf7Read);
        EXPECT_EQ(record.leaf7Ebx, c.leaf7Ebx);
        EXPECT_EQ(record.leaf7Ecx, c.leaf7Read ? 0x40u : 0u);
        EXPECT_EQ(record.leaf7Edx, c.leaf7Read ? 0x10u : 0u);
        EXPECT_EQ(record.leaf7Sub1Eax, c.leaf7Sub1Eax);
        EXPECT_EQ(record.extFeaturesEcx, c.extFeaturesEcx);
        // The seed's words as before: extended EDX stays as it was without extended leaves.
        EXPECT_EQ(record.extFeaturesEdx, c.highestExtLeaf > 0x80000000 ? 0x20000000u : 0u);
        // Leaf 0x80000001 once, for both its words.
        EXPECT_EQ(std::count(cpu.executed.begin(), cpu.executed.end(), 0x80000001u), c.highestExtLeaf > 0x80000000 ? 1 : 0);
    }
}

// Dumps of real processors: the words as the dump's leaves give them (leaf 7 and 0x80000001).
TEST_F(ProbeTest, LaterFeatureWordsOfRealProcessors) {
    const struct { const char* file; uint32_t leaf7Ebx, leaf7Ecx, leaf7Edx, extFeaturesEcx; } cases[] = {
        // Highest leaf 0x24, leaf 7 F1BF2FFB 1A415F46 23C14010; 0x80000001 ECX 00000121.
        {"intel-xeon-000a0671-vm.txt", 0xF1BF2FFB, 0x1A415F46, 0x23C14010, 0x00000121},
        // Highest leaf 0x0A with leaf 7 all zeros; 0x80000001 ECX 00000001 (LAHF in 64-bit mode).
        {"intel-core2-duo-cpu-e6750.txt", 0, 0, 0, 0x00000001},
        // Highest leaf 1; 0x80000001 ECX 00000001.
        {"amd-athlon-64-processor-3200+.txt", 0, 0, 0, 0x00000001},
        // Highest leaf 0x0D, leaf 7 not in the dump; 0x80000001 ECX 004003F3.
        {"amd-epyc-milan-vm.txt", 0, 0, 0, 0x004003F3},
        // 0x80000000 answers 03020101: no extended leaves.
        {"intel-pentium-iii-coppermine.txt", 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        SetUp();
        Probe(c.file);
        EXPECT_EQ(record.leaf7Ebx, c.leaf7Ebx);
        EXPECT_EQ(record.leaf7Ecx, c.leaf7Ecx);
        EXPECT_EQ(record.leaf7Edx, c.leaf7Edx);
        EXPECT_EQ(record.extFeaturesEcx, c.extFeaturesEcx);
    }
}
