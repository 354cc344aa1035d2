// The probe on processors built leaf by leaf: classes, vendors, leaf order, boundaries (random
// leaves: tests/fuzz/ProbeFuzz.cpp).
#include "probe/ProbeFixture.h"

TEST_F(ProbeTest, Class386And486WithoutIdFlagStopEarly) {
    const struct { uint32_t toggleable, cpuType; } cases[] = {{0, 3}, {kIdFlag, 3}, {kAlignmentCheckFlag, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toggleable);
        processorRecord.signature = 0x1234;
        processorRecord.transmetaShift = 2;
        cpu.SetToggleableFlags(c.toggleable);
        ProbeProcessor(cpu, notice);
        EXPECT_EQ(record.cpuType, c.cpuType);
        EXPECT_EQ(record.signature, 0x1234u);   // fields of steps not reached stay
        EXPECT_EQ(record.transmetaShift, 0u);
        EXPECT_TRUE(cpu.executed.empty());
    }
}

// Each vendor's path, leaf by leaf. Intel's (an unknown vendor's too) asks leaf 0 again for the
// highest leaf (below 2: no leaf 2), calls leaf 2 once for the pass count, then once per pass; a
// pass whose EAX low byte is 0 decodes none of its registers. AMD's and Hygon's read 0x80000005
// and 0x80000006 (0x80000000 first, for the leaves past them), never leaf 2; VIA's and Zhaoxin's
// only the leaves they report; other vendors read no cache leaf. The brand leaves, then 0x80000001,
// follow only when 0x80000000 names a higher leaf, even one below 0x80000004.
TEST_F(ProbeTest, EachVendorsPathReadsItsLeavesInOrder) {
    constexpr uint32_t kExt = 0x80000000;
    const CpuidRegisters kSkipped = {0, 0x2C, 0x2C, 0x2C};   // a pass whose EAX low byte is 0
    // The totals say which registers of leaf 2 were decoded.
    const struct { const char* vendor; uint32_t vendorIndex, highestLeaf, highestExtLeaf; std::vector<CpuidRegisters> leaf2;
                   std::vector<uint32_t> executed; CacheTotals totals; } cases[] = {
        {"GenuineIntel", 0, 2, kExt, {{3, 0, 0, 0x2C}}, {0, 1, 0, 2, 2, 2, 2, kExt}, {0, 96, 0, 0}},
        {"GenuineIntel", 0, 2, 0, {{2, 0, 0, 0}, kSkipped, {1, 0, 0, 0x30}}, {0, 1, 0, 2, 2, 2, kExt}, {32, 0, 0, 0}},
        {"GenuineIntel", 0, 1, 0, {{1, 0, 0, 0x2C}}, {0, 1, 0, kExt}, {0, 0, 0, 0}},
        {"AMDisbetter!", 0, 2, 0, {{1, 0, 0, 0x2C}}, {0, 1, 0, 2, 2, kExt}, {0, 32, 0, 0}},
        {"AuthenticAMD", 1, 2, 0, {{1, 0, 0, 0x2C}}, {0, 1, kExt, kExt + 5, kExt + 6, kExt}, {0, 0, 0, 0}},
        {"HygonGenuine", 10, 2, 0, {{1, 0, 0, 0x2C}}, {0, 1, kExt, kExt + 5, kExt + 6, kExt}, {0, 0, 0, 0}},
        // VIA and Zhaoxin: leaf 4 only above the highest leaf 3, the extended leaves only as reported.
        {"CentaurHauls", 6, 2, 0, {{1, 0, 0, 0x2C}}, {0, 1, 0, kExt, kExt}, {}},
        {"  Shanghai  ", 11, 4, kExt + 4, {{1, 0, 0, 0x2C}}, {0, 1, 0, 4, kExt, kExt, kExt + 2, kExt + 3, kExt + 4, kExt + 1}, {}},
        // The table's last vendor: a search stopping short would take it for Intel.
        {"Geode by NSC", 9, 2, kExt + 1, {{1, 0, 0, 0x2C}}, {0, 1, kExt, kExt + 2, kExt + 3, kExt + 4, kExt + 1}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vendor << ", highest leaf " << c.highestLeaf << ", leaf 2 EAX " << c.leaf2[0].eax);
        SetUp();
        RecordingCpuid processor;
        SetVendor(processor, c.vendor, c.highestLeaf);
        processor.Set(kExt, 0, {c.highestExtLeaf, 0, 0, 0});
        processor.leaf2 = c.leaf2;
        ProbeProcessor(processor, notice);
        EXPECT_EQ(processor.executed, c.executed);
        EXPECT_EQ(record.vendorIndex, c.vendorIndex);
        EXPECT_EQ(Totals(cacheTotals), Totals(c.totals));
    }
}

// Leaf 1 as recorded (EBX whole, the type from EAX bits 12-14, the extended family unread), and
// what depends on the vendor: Intel (an unknown vendor too) clears EDX bit 28, hyper-threading,
// unless EBX counts two logical processors or more; Transmeta's rows shift by two above hardware
// revision 0x01030000 (leaf 0x80860001 EBX).
TEST_F(ProbeTest, Leaf1FieldsAndTheCorrectionsOfEachVendor) {
    const struct { const char* vendor; uint32_t leaf1Ebx, revision, featuresEdx, shift; } cases[] = {
        {"GenuineIntel", 0x00010000, 0x02000000, 0x00000010, 0}, {"GenuineIntel", 0x00FF0000, 0, 0x10000010, 0},
        {"AMDisbetter!", 0x00010000, 0, 0x00000010, 0}, {"AuthenticAMD", 0x00010000, 0x02000000, 0x10000010, 0},
        {"GenuineTMx86", 0x00010000, 0x01030000, 0x10000010, 0}, {"GenuineTMx86", 0, 0x01030001, 0x10000010, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vendor << std::hex << " EBX " << c.leaf1Ebx << ", revision " << c.revision);
        SetVendor(cpu, c.vendor, 1);
        cpu.Set(1, 0, {0x0FFF3F29, c.leaf1Ebx, 0, 0x10000010});
        cpu.Set(0x80860001, 0, {0, c.revision, 0, 0});
        ProbeProcessor(cpu, notice);
        EXPECT_EQ(record.leaf1Ebx, c.leaf1Ebx);
        EXPECT_EQ(record.cpuType, 3u);
        EXPECT_EQ(record.cpuFamily, 15u);
        EXPECT_EQ(record.featuresEdx, c.featuresEdx);
        EXPECT_EQ(record.transmetaShift, c.shift);
    }
}
