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

// Today's leaves on each vendor's path: Intel walks leaf 4 for byte FF and leaf 0x18 for FE only
// where the highest leaf reaches them; AMD and Hygon take each cache's size per instance from
// leaf 0x8000001D where leaf 0x80000001 ECX bit 22 says it is there (a Ryzen with two core
// complexes: 32 MB in 0x80000006 EDX, one complex's 16 MB in 0x8000001D); Zhaoxin's caches come
// from leaf 4, its TLBs from the extended leaves.
TEST_F(ProbeTest, TodaysCacheLeavesOnEachVendorsPath) {
    constexpr uint32_t kExt = 0x80000000;
    const struct { const char* vendor; uint32_t highestLeaf, highestExtLeaf, topologyFlag, level1Rows; const char* firstL23;
                   CacheTotals totals; } cases[] = {
        {"GenuineIntel", 0x18, kExt + 8, 0, 3, "Combined, leaf 4", {32, 48, 1280, 0}},
        {"GenuineIntel", 0x17, kExt + 8, 0, 2, "Combined, leaf 4", {32, 48, 1280, 0}},   // no leaf 0x18 walk
        {"GenuineIntel", 3, kExt + 8, 0, 0, "None Detected", {0, 0, 0, 0}},              // no leaf 4 either
        {"AuthenticAMD", 0x10, kExt + 0x1E, 1u << 22, 6, "Combined", {32, 32, 512, 16384}},
        {"AuthenticAMD", 0x10, kExt + 0x1E, 0, 6, "Combined", {64, 64, 1024, 32768}},
        {"AuthenticAMD", 0x10, kExt + 0x1C, 1u << 22, 6, "Combined", {64, 64, 1024, 32768}},
        {"HygonGenuine", 0x10, kExt + 0x1E, 1u << 22, 6, "Combined", {32, 32, 512, 16384}},
        {"  Shanghai  ", 0x10, kExt + 8, 0, 6, "Combined, leaf 4", {32, 48, 1280, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vendor << std::hex << ", highest " << c.highestLeaf << ", extended "
                                        << c.highestExtLeaf << ", flag " << c.topologyFlag);
        SetUp();
        SetVendor(cpu, c.vendor, c.highestLeaf);
        cpu.Set(2, 0, {0x00FEFF01, 0, 0, 0});
        cpu.Set(4, 0, {0x00000121, 0x02C0003F, 0x0000003F, 0});
        cpu.Set(4, 1, {0x00000122, 0x01C0003F, 0x0000003F, 0});
        cpu.Set(4, 2, {0x00000143, 0x0240003F, 0x000007FF, 0});
        cpu.Set(0x18, 0, {0, 0x00080001, 0x00000020, 0x00000022});
        cpu.Set(kExt, 0, {c.highestExtLeaf, 0, 0, 0});
        cpu.Set(kExt + 1, 0, {0, 0, c.topologyFlag, 0});
        cpu.Set(kExt + 5, 0, {0xFF40FF40, 0xFF40FF40, 0x40020140, 0x40020140});
        cpu.Set(kExt + 6, 0, {0, 0x42004200, 0x04006140, 0x01009140});
        cpu.Set(kExt + 0x1D, 0, {0x00004121, 0x01C0003F, 0x0000003F, 0});
        cpu.Set(kExt + 0x1D, 1, {0x00004122, 0x01C0003F, 0x0000003F, 0});
        cpu.Set(kExt + 0x1D, 2, {0x00004143, 0x01C0003F, 0x000003FF, 0});
        cpu.Set(kExt + 0x1D, 3, {0x0001C163, 0x03C0003F, 0x00003FFF, 0});
        ProbeProcessor(cpu, notice);
        EXPECT_STREQ(level23Grid.rows[0].cells[kTypeCell], c.firstL23);
        EXPECT_EQ(Totals(cacheTotals), Totals(c.totals));
        EXPECT_TRUE(notice.descriptors.empty());
        EXPECT_EQ(level1Grid.rowCount, c.level1Rows);
        if (c.topologyFlag != 0 && c.highestExtLeaf >= kExt + 0x1D)
            ExpectRows(level23Grid, {{"Combined", "512 KB", "64 Byte Line", "8-Way", ""},
                                     {"L3 Combined", "16384 KB", "64 Byte Line", "16-Way", ""},
                                     {"Unified TLB", "512 Entries", "4K pages", "4-Way", ""}});
    }
}
