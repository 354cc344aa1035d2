// The probe on processors built leaf by leaf: classes, vendors, leaf order, boundaries.
#include <cstring>

#include "cpu/VendorTable.h"
#include "probe/ProbeFixture.h"

TEST_F(ProbeTest, Class386And486WithoutIdFlagStopEarly) {
    const struct { uint32_t toggleable, cpuType; } cases[] = {{0, 3}, {kIdFlag, 3}, {kAlignmentCheckFlag, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toggleable);
        processorRecord = {};
        processorRecord.signature = 0x1234;
        processorRecord.transmetaShift = 2;
        cpu.SetToggleableFlags(c.toggleable);
        Probe();
        EXPECT_EQ(record.cpuType, c.cpuType);
        EXPECT_EQ(record.signature, 0x1234u);   // fields of steps not reached stay
        EXPECT_EQ(record.transmetaShift, 0u);
        EXPECT_TRUE(cpu.executed.empty());
    }
}

TEST_F(ProbeTest, VendorStringsGiveTheirIndexAndUnknownGivesZero) {
    const struct { const char* vendor; uint32_t index; } cases[] = {
        {"GenuineIntel", 0}, {"AuthenticAMD", 1}, {"CyrixInstead", 2}, {"GenuineTMx86", 3},
        {"UMC UMC UMC ", 4}, {"NexGenDriven", 5}, {"CentaurHauls", 6}, {"RiseRiseRise", 7},
        {"SiS SiS SiS ", 8}, {"Geode by NSC", 9}, {"genuineintel", 0}, {"HygonGenuine", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vendor);
        SetVendor(c.vendor, 1);
        Probe();
        EXPECT_STREQ(record.vendorString, c.vendor);
        EXPECT_EQ(record.vendorIndex, c.index);
    }
    EXPECT_STREQ(VendorAt(4).shortName, "UMCC ");
}

TEST_F(ProbeTest, UnknownVendorTakesTheLeaf2Path) {
    SetVendor("HygonGenuine", 2);
    cpu.Set(2, {0x00000001, 0, 0, 0x0000002C});
    Probe();
    EXPECT_TRUE(cpu.Executed(2));
    EXPECT_FALSE(cpu.Executed(0x80000005));
    EXPECT_EQ(cacheTotals.l1Data, 32u);
}

TEST_F(ProbeTest, HighestStandardLeaf1ReadsNoLeaf2) {
    SetVendor("GenuineIntel", 1);
    cpu.Set(2, {0x00000001, 0, 0, 0x0000002C});
    Probe();
    EXPECT_FALSE(cpu.Executed(2));
    ExpectNoneDetected(level1Grid);
    ExpectNoneDetected(level23Grid);
    EXPECT_EQ(cacheTotals.l1Data + cacheTotals.l1Instruction + cacheTotals.l2 + cacheTotals.l3, 0u);
}

// The Intel cache path, leaf by leaf: leaf 0 again for the highest leaf, leaf 2
// once for the pass count, then once per pass; a pass whose EAX low byte is 0
// decodes none of its registers.
TEST_F(ProbeTest, Leaf2PassesAreCountedFromTheFirstCall) {
    SetVendor("GenuineIntel", 2);
    cpu.Set(2, {0x00000003, 0, 0, 0x0000002C});
    cpu.Set(0x80000000, {0x80000000, 0, 0, 0});
    Probe();
    const std::vector<uint32_t> order = {0, 1, 0, 2, 2, 2, 2, 0x80000000};
    EXPECT_EQ(cpu.executed, order);
    EXPECT_EQ(level1Grid.rowCount, 3u);
}

// Leaf 2 answering differently per call, as a processor with several passes does.
class SequencedLeaf2 : public RecordingCpuid {
public:
    CpuidRegisters Execute(uint32_t leaf) override {
        const CpuidRegisters regs = RecordingCpuid::Execute(leaf);
        if (leaf != 2 || answers.empty()) return regs;
        const CpuidRegisters next = answers.front();
        answers.erase(answers.begin());
        return next;
    }
    std::vector<CpuidRegisters> answers;
};

TEST_F(ProbeTest, Leaf2PassWithLowByteZeroDecodesNothing) {
    SequencedLeaf2 processor;
    processor.Set(0, {2, 0x756E6547, 0x6C65746E, 0x49656E69});   // GenuineIntel
    processor.answers = {{0x00000002, 0, 0, 0},
                         {0x00000000, 0x0000002C, 0x0000002C, 0x0000002C},
                         {0x00000001, 0, 0, 0x00000030}};
    ProbeProcessor(processor, notice);
    ExpectRows(level1Grid, {{"Instruction, 48", "32 KB", "64 Byte Line", "8-Way", "No"}});
    EXPECT_EQ(cacheTotals.l1Data, 0u);
}

// One pass whose EAX bytes are 01 50 5B 66 and EDX bytes 40 70 7A 00: the
// pass count 01 is no descriptor, 40 adds nothing.
TEST_F(ProbeTest, Leaf2PassDecodesRegistersInOrder) {
    SetVendor("GenuineIntel", 2);
    cpu.Set(2, {0x665B5001, 0, 0, 0x007A7040});
    Probe();
    ExpectRows(level1Grid, {{"Inst TLB, 80", "4K, 2M or 4M pages", "64 Entries", "Fully", "No"},
                            {"Data TLB, 91", "4K or 4M pages", "64 Entries", "Fully", "No"},
                            {"Data, 102", "8 KB", "64 Byte Line", "4-Way", "Yes"},
                            {"Trace, 112", "12 K-\xB5ops", "", "8-Way", "No"}});
    ExpectRows(level23Grid, {{"Combined, 122", "256 KB", "64 Byte Line", "8-Way", "Yes"}});
    EXPECT_EQ(cacheTotals.l1Data, 8u);
    EXPECT_EQ(cacheTotals.l1Instruction, 12u);
    EXPECT_EQ(cacheTotals.l2, 256u);
    EXPECT_EQ(cacheTotals.l3, 0u);
}

TEST_F(ProbeTest, AmdNeverReadsLeaf2) {
    SetVendor("AuthenticAMD", 2);
    cpu.Set(2, {0x00000001, 0, 0, 0x0000002C});
    Probe();
    EXPECT_FALSE(cpu.Executed(2));
    const std::vector<uint32_t> order = {0, 1, 0x80000005, 0x80000006, 0x80000000};
    EXPECT_EQ(cpu.executed, order);
}

TEST_F(ProbeTest, OtherVendorsGetNoCacheDescription) {
    SetVendor("CyrixInstead", 2);
    cpu.Set(0x80000005, {0xFF08FF08, 0xFF20FF20, 0x40020140, 0x40020140});
    Probe();
    EXPECT_FALSE(cpu.Executed(2));
    EXPECT_FALSE(cpu.Executed(0x80000005));
    ExpectNoneDetected(level1Grid);
    ExpectNoneDetected(level23Grid);
}

TEST_F(ProbeTest, BrandStringNeedsAnExtendedLeafAbove0x80000000) {
    SetVendor("GenuineIntel", 1);
    cpu.Set(0x80000001, {0, 0, 0, 0x20100000});
    cpu.Set(0x80000002, {0x41414141, 0x41414141, 0x41414141, 0x41414141});
    cpu.Set(0x80000003, {0x42424242, 0x42424242, 0x42424242, 0x42424242});
    cpu.Set(0x80000004, {0x43434343, 0x43434343, 0x43434343, 0x43434343});
    std::strcpy(processorRecord.brandString, "older");
    processorRecord.extFeaturesEdx = 7;
    cpu.Set(0x80000000, {0x80000000, 0, 0, 0});
    Probe();
    EXPECT_EQ(record.brandStringValid, 0u);
    EXPECT_STREQ(record.brandString, "older");
    EXPECT_EQ(record.extFeaturesEdx, 7u);
    EXPECT_FALSE(cpu.Executed(0x80000002));

    // Any extended leaf will do, even one below 0x80000004.
    cpu.Set(0x80000000, {0x80000001, 0, 0, 0});
    Probe();
    EXPECT_EQ(record.brandStringValid, 1u);
    EXPECT_EQ(std::string(record.brandString), std::string(16, 'A') + std::string(16, 'B') + std::string(16, 'C'));
    EXPECT_EQ(record.brandString[48], '\0');
    EXPECT_EQ(record.extFeaturesEdx, 0x20100000u);
}

TEST_F(ProbeTest, TransmetaShiftOnlyAboveRevision0x01030000) {
    const struct { const char* vendor; uint32_t revision, shift; } cases[] = {
        {"GenuineTMx86", 0x01030000, 0}, {"GenuineTMx86", 0x01030001, 2},
        {"GenuineTMx86", 0x02000000, 2}, {"AuthenticAMD", 0x02000000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vendor << " " << std::hex << c.revision);
        SetVendor(c.vendor, 1);
        cpu.Set(0x80860001, {0, c.revision, 0, 0});
        Probe();
        EXPECT_EQ(record.transmetaShift, c.shift);
    }
}

TEST_F(ProbeTest, HyperThreadingBitNeedsTwoLogicalProcessorsOnIntel) {
    const struct { const char* vendor; uint32_t leaf1Ebx, featuresEdx; } cases[] = {
        {"GenuineIntel", 0x00010000, 0x00000010}, {"GenuineIntel", 0x00020000, 0x10000010},
        {"GenuineIntel", 0x00000000, 0x00000010}, {"GenuineIntel", 0x00FF0000, 0x10000010},
        {"AuthenticAMD", 0x00010000, 0x10000010}, {"HygonGenuine", 0x00010000, 0x00000010},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vendor << " " << std::hex << c.leaf1Ebx);
        SetVendor(c.vendor, 1);
        cpu.Set(1, {0x00000F29, c.leaf1Ebx, 0, 0x10000010});
        Probe();
        EXPECT_EQ(record.featuresEdx, c.featuresEdx);
    }
}

TEST_F(ProbeTest, SignatureFieldsComeFromLeaf1) {
    SetVendor("GenuineIntel", 1);
    cpu.Set(1, {0x0FFF3F29, 0xAB0208C7, 0x00004400, 0x0000FFFF});
    Probe();
    EXPECT_EQ(record.signature, 0x0FFF3F29u);
    EXPECT_EQ(record.cpuStepping, 9u);
    EXPECT_EQ(record.cpuModel, 2u);
    EXPECT_EQ(record.cpuFamily, 15u);
    EXPECT_EQ(record.cpuType, 3u);
    EXPECT_EQ(record.brandId, 0xC7u);
    EXPECT_EQ(record.leaf1Ebx, 0xAB0208C7u);
    EXPECT_EQ(record.featuresEcx, 0x00004400u);
}

TEST_F(ProbeTest, ProbingTwiceGivesTheSameRecord) {
    for (const char* dump : {"intel-pentium-4-cpu-2.80ghz.txt", "amd-athlon-64-processor-3200+.txt"}) {
        SCOPED_TRACE(dump);
        SetUp();
        Probe(dump);
        const ProcessorRecord first = processorRecord;
        const CacheGrid firstL1 = level1Grid;
        const CacheGrid firstL23 = level23Grid;
        const CacheTotals firstTotals = cacheTotals;
        Probe(dump);
        EXPECT_EQ(std::memcmp(&first, &processorRecord, sizeof first), 0);
        EXPECT_EQ(std::memcmp(&firstL1, &level1Grid, sizeof firstL1), 0);
        EXPECT_EQ(std::memcmp(&firstL23, &level23Grid, sizeof firstL23), 0);
        EXPECT_EQ(std::memcmp(&firstTotals, &cacheTotals, sizeof firstTotals), 0);
    }
}
