// The probe on processors built leaf by leaf: classes, vendors, leaf order, boundaries (random
// leaves: tests/fuzz/ProbeFuzz.cpp).
#include <cstring>

#include "cpu/VendorTable.h"
#include "probe/ProbeFixture.h"

TEST_F(ProbeTest, Class386And486WithoutIdFlagStopEarly) {
    const struct { uint32_t toggleable, cpuType; } cases[] = {{0, 3}, {kIdFlag, 3}, {kAlignmentCheckFlag, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toggleable);
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
        SetVendor(cpu, c.vendor, 1);
        Probe();
        EXPECT_STREQ(record.vendorString, c.vendor);
        EXPECT_EQ(record.vendorIndex, c.index);
    }
    EXPECT_STREQ(VendorAt(4).shortName, "UMCC ");
}

// Leaf 2 answering in turn, the last answer repeating, as a processor with several passes does.
class SequencedLeaf2 : public RecordingCpuid {
public:
    CpuidRegisters Execute(uint32_t leaf) override {
        const CpuidRegisters regs = RecordingCpuid::Execute(leaf);
        if (leaf != 2 || answers.empty()) return regs;
        const CpuidRegisters next = answers.front();
        if (answers.size() > 1) answers.erase(answers.begin());
        return next;
    }
    std::vector<CpuidRegisters> answers;
};

// Each vendor's cache path, leaf by leaf. Intel's (an unknown vendor's too) asks leaf 0 again for
// the highest leaf (below 2: no leaf 2), calls leaf 2 once for the pass count, then once per pass;
// a pass whose EAX low byte is 0 decodes none of its registers. AMD's reads 0x80000005 and
// 0x80000006, never leaf 2; other vendors read no cache leaf.
TEST_F(ProbeTest, EachVendorsCachePathReadsItsLeavesInOrder) {
    constexpr uint32_t kExt = 0x80000000;
    const CpuidRegisters kSkipped = {0, 0x2C, 0x2C, 0x2C};   // a pass whose EAX low byte is 0
    const struct {
        const char* vendor;
        uint32_t highestLeaf;
        std::vector<CpuidRegisters> leaf2;
        std::vector<uint32_t> executed;
        uint32_t level1Rows, level23Rows;   // 0: "None Detected"
        CacheTotals totals;
    } cases[] = {
        {"GenuineIntel", 2, {{3, 0, 0, 0x2C}}, {0, 1, 0, 2, 2, 2, 2, kExt}, 3, 0, {0, 96, 0, 0}},
        {"GenuineIntel", 2, {{2, 0, 0, 0}, kSkipped, {1, 0, 0, 0x30}}, {0, 1, 0, 2, 2, 2, kExt}, 1, 0, {32, 0, 0, 0}},
        {"GenuineIntel", 1, {{1, 0, 0, 0x2C}}, {0, 1, 0, kExt}, 0, 0, {0, 0, 0, 0}},
        {"HygonGenuine", 2, {{1, 0, 0, 0x2C}}, {0, 1, 0, 2, 2, kExt}, 1, 0, {0, 32, 0, 0}},
        {"AuthenticAMD", 2, {{1, 0, 0, 0x2C}}, {0, 1, 0x80000005, 0x80000006, kExt}, 6, 1, {0, 0, 0, 0}},
        {"CyrixInstead", 2, {{1, 0, 0, 0x2C}}, {0, 1, kExt}, 0, 0, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vendor << ", highest leaf " << c.highestLeaf << ", leaf 2 EAX " << c.leaf2[0].eax);
        SetUp();
        SequencedLeaf2 processor;
        SetVendor(processor, c.vendor, c.highestLeaf);
        processor.answers = c.leaf2;
        ProbeProcessor(processor, notice);
        EXPECT_EQ(processor.executed, c.executed);
        EXPECT_EQ(level1Grid.rowCount, c.level1Rows);
        EXPECT_EQ(level23Grid.rowCount, c.level23Rows);
        if (c.level1Rows == 0) ExpectNoneDetected(level1Grid);
        if (c.level23Rows == 0) ExpectNoneDetected(level23Grid);
        EXPECT_EQ(Totals(cacheTotals), Totals(c.totals));
    }
}

// At extended leaf 0x80000000 itself the brand string and the extended features stay as they
// were and no brand leaf is read; any leaf above will do, even one below 0x80000004.
TEST_F(ProbeTest, BrandStringNeedsAnExtendedLeafAbove0x80000000) {
    SetVendor(cpu, "GenuineIntel", 1);
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

    cpu.Set(0x80000000, {0x80000001, 0, 0, 0});
    Probe();
    EXPECT_EQ(record.brandStringValid, 1u);
    EXPECT_EQ(std::string(record.brandString), std::string(16, 'A') + std::string(16, 'B') + std::string(16, 'C'));
    EXPECT_EQ(record.brandString[48], '\0');
    EXPECT_EQ(record.extFeaturesEdx, 0x20100000u);
}

// Leaf 1 as recorded (EBX whole, the type from EAX bits 12-14, the extended family unread), and
// what depends on the vendor: Intel (an unknown vendor too) clears EDX bit 28, hyper-threading,
// unless EBX counts two logical processors or more; Transmeta's rows shift by two above hardware
// revision 0x01030000 (leaf 0x80860001 EBX).
TEST_F(ProbeTest, Leaf1FieldsAndTheCorrectionsOfEachVendor) {
    const struct { const char* vendor; uint32_t leaf1Ebx, revision, featuresEdx, shift; } cases[] = {
        {"GenuineIntel", 0x00010000, 0x02000000, 0x00000010, 0}, {"GenuineIntel", 0xAB0208C7, 0, 0x10000010, 0},
        {"GenuineIntel", 0x00000000, 0, 0x00000010, 0}, {"GenuineIntel", 0x00FF0000, 0, 0x10000010, 0},
        {"HygonGenuine", 0x00010000, 0, 0x00000010, 0}, {"AuthenticAMD", 0x00010000, 0x02000000, 0x10000010, 0},
        {"GenuineTMx86", 0x00010000, 0x01030000, 0x10000010, 0}, {"GenuineTMx86", 0, 0x01030001, 0x10000010, 2},
        {"GenuineTMx86", 0, 0x02000000, 0x10000010, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vendor << std::hex << " EBX " << c.leaf1Ebx << ", revision " << c.revision);
        SetVendor(cpu, c.vendor, 1);
        cpu.Set(1, {0x0FFF3F29, c.leaf1Ebx, 0, 0x10000010});
        cpu.Set(0x80860001, {0, c.revision, 0, 0});
        Probe();
        EXPECT_EQ(record.leaf1Ebx, c.leaf1Ebx);
        EXPECT_EQ(record.cpuType, 3u);
        EXPECT_EQ(record.cpuFamily, 15u);
        EXPECT_EQ(record.featuresEdx, c.featuresEdx);
        EXPECT_EQ(record.transmetaShift, c.shift);
    }
}

