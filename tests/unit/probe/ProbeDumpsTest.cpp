// The probe on dumps of real processors; expectations worked out from each dump's leaves.
#include "database/DescribeProcessor.h"
#include "probe/ProbeFixture.h"

namespace {

struct DumpCase {
    const char* file;
    const char* vendorString;
    uint32_t vendorIndex, signature, family, model, stepping, brandId;
    uint32_t featuresEdx, featuresEcx, extFeaturesEdx, brandStringValid;
    const char* brandString;
    CacheTotals totals;   // l1Instruction, l1Data, l2, l3
    std::vector<ExpectedRow> level1, level23;   // empty: "None Detected"
    std::vector<uint32_t> unknownDescriptors;
    uint32_t matchedEntry, statsKey;   // the description of the detected processor
};

// Leaf 2 665B5001 / 007B7040 of the NetBurst parts: 50 5B 66 | 40 70 7B.
const std::vector<ExpectedRow> kNetBurstL1 = {
    {"Inst TLB, 80", "4K, 2M or 4M pages", "64 Entries", "Fully", "No"},
    {"Data TLB, 91", "4K or 4M pages", "64 Entries", "Fully", "No"}, {"Data, 102", "8 KB", "64 Byte Line", "4-Way", "Yes"},
    {"Trace, 112", "12 K-\xB5ops", "", "8-Way", "No"}};
const std::vector<ExpectedRow> kNetBurstL23 = {{"Combined, 123", "512 KB", "64 Byte Line", "8-Way", "Yes"}};
// Leaf 2 03020101 / 0C0408xx of the P6 parts: 01 02 03 | xx 08 04 0C.
const std::vector<ExpectedRow> kP6L1 = {
    {"Inst TLB, 1", "4K pages", "32 Entries", "4-Way", "No"}, {"Inst TLB, 2", "4M pages", "2 Entries", "Fully", "No"},
    {"Data TLB, 3", "4K pages", "64 Entries", "4-Way", "No"}, {"Instruction, 8", "16 KB", "32 Byte Line", "4-Way", "No"},
    {"Data TLB, 4", "4M pages", "8 Entries", "4-Way", "No"}, {"Data, 12", "16 KB", "32 Byte Line", "4-Way", "No"}};
// Leaf 0x80000005 EAX-EDX of the K7 and K8 parts, data before instruction rows.
std::vector<ExpectedRow> AmdL1(const char* largeDataWays, const char* smallDataTlb, const char* smallInstTlb) {
    return {{"Data", "64 KB", "64 Byte Line", "2-Way", ""}, {"Instruction", "64 KB", "64 Byte Line", "2-Way", ""},
            {"Data TLB", "8 Entries", "4/2 M pages", largeDataWays, ""}, {"Inst TLB", "8 Entries", "4/2 M pages", "Fully", ""},
            {"Data TLB", smallDataTlb, "4K pages", "Fully", ""}, {"Inst TLB", smallInstTlb, "4K pages", "Fully", ""}};
}

// clang-format off
const DumpCase kDumps[] = {
    // Leaf 1 EBX 00020809: two logical processors keep EDX bit 28.
    {"intel-pentium-4-cpu-2.80ghz.txt", "GenuineIntel", 0, 0x00000F29, 15, 2, 9, 9, 0xBFEBFBFF, 0x00004400, 0, 1,
     "              Intel(R) Pentium(R) 4 CPU 2.80GHz", {12, 8, 512, 0}, kNetBurstL1, kNetBurstL23, {}, 73, 75},
    {"intel-xeon-cpu-2.40ghz.txt", "GenuineIntel", 0, 0x00000F25, 15, 2, 5, 11, 0xBFEBFBFF, 0x00004400, 0, 1,
     "                  Intel(R) Xeon(TM) CPU 2.40GHz", {12, 8, 512, 0}, kNetBurstL1, kNetBurstL23, {}, 73, 75},
    // Leaf 0x80000000 answers 03020101, not above 0x80000000: no brand string.
    {"intel-pentium-iii-coppermine.txt", "GenuineIntel", 0, 0x0000068A, 6, 8, 10, 2, 0x0383FBFF, 0, 0, 0, "",
     {16, 16, 256, 0}, kP6L1, {{"Combined, 130", "256 KB", "32 Byte Line", "8-Way", "No"}}, {}, 43, 12},
    {"intel-celeron-coppermine.txt", "GenuineIntel", 0, 0x0000068A, 6, 8, 10, 1, 0x0383F9FF, 0, 0, 0, "",
     {16, 16, 128, 0}, kP6L1, {{"Combined, 65", "128 KB", "32 Byte Line", "4-Way", "No"}}, {}, 41, 14},
    {"intel-pentium-ii-dixon.txt", "GenuineIntel", 0, 0x0000066A, 6, 6, 10, 0, 0x0183F9FF, 0, 0, 0, "",
     {16, 16, 256, 0}, kP6L1, {{"Combined, 66", "256 KB", "32 Byte Line", "4-Way", "No"}}, {}, 36, 60},
    // Leaf 2 02B3B001 000000F0 00000000 2C04307D: F0 (prefetch) adds nothing, 7D is the level 2.
    {"intel-pentium-m-processor-1.60ghz.txt", "GenuineIntel", 0, 0x000006D6, 6, 13, 6, 0x16, 0xAFE9F9BF, 0x00000180, 0, 1,
     "        Intel(R) Pentium(R) M processor 1.60GHz", {32, 32, 2048, 0},
     {{"Inst TLB, 176", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},
      {"Data TLB, 179", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},
      {"Inst TLB, 2", "4M pages", "2 Entries", "Fully", "No"}, {"Instruction, 48", "32 KB", "64 Byte Line", "8-Way", "No"},
      {"Data TLB, 4", "4M pages", "8 Entries", "4-Way", "No"}, {"Data, 44", "32 KB", "64 Byte Line", "8-Way", "No"}},
     {{"Combined, 125", "2048 KB", "64 Byte Line", "8-Way", "No"}}, {}, 53, 78},
    // Leaf 2 05B0B101 005657F0 00000000 2CB43049: B1 describes two instruction TLBs, 49 the
    // level 2 of a family-6 part. Family 6 model 15 lies past the 2004 table: Conroe, never the
    // Pentium M below it.
    {"intel-core2-duo-cpu-e6750.txt", "GenuineIntel", 0, 0x000006FB, 6, 15, 11, 0, 0xBFEBFBFF, 0x0000E3FD, 0x20100000, 1,
     "Intel(R) Core(TM)2 Duo CPU     E6750  @ 2.66GHz", {32, 32, 4096, 0},
     {{"Inst TLB, 177", "2M pages", "8 Entries", "4-Way", "No"}, {"Inst TLB, 177", "4M pages", "4 Entries", "4-Way", "No"},
      {"Inst TLB, 176", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},
      {"Data TLB, 5", "4M pages", "32 Entries", "4-Way", "No"}, {"Data TLB, 87", "4K pages", "16 Entries", "4-Way", "No"},
      {"Data TLB, 86", "4M pages", "16 Entries", "4-Way", "No"}, {"Instruction, 48", "32 KB", "64 Byte Line", "8-Way", "No"},
      {"Data TLB, 180", "4K pages", "256 Entries", "4-Way", "No"}, {"Data, 44", "32 KB", "64 Byte Line", "8-Way", "No"}},
     {{"Combined, 73", "4096 KB", "64 Byte Line", "16-Way", "No"}}, {}, 143, 116},
    // Leaf 2 00FEFF01 000000F0: the caches in leaf 4, the TLBs in leaf 0x18, which this virtual
    // machine leaves empty. Leaf 4: 12 x 64 x 64 data, 16 x 64 x 64 instructions, 16 x 64 x 2048
    // level 2, 16 x 64 x 491520 level 3 (what the host's hypervisor makes of its caches).
    {"intel-xeon-000a0671-vm.txt", "GenuineIntel", 0, 0x000A0671, 6, 7, 1, 0, 0x1F8BFBFF, 0xFFFA3203, 0x2C100800, 1,
     "Intel(R) Xeon(R) Processor", {64, 48, 2048, 491520},
     {{"Data, leaf 4", "48 KB", "64 Byte Line", "12-Way", ""}, {"Instruction, leaf 4", "64 KB", "64 Byte Line", "16-Way", ""}},
     {{"Combined, leaf 4", "2048 KB", "64 Byte Line", "16-Way", ""},
      {"L3 Combined, leaf 4", "491520 KB", "64 Byte Line", "16-Way", ""}}, {}, 180, 148},
    // The EPYC build machine: 0x80000005 FF60FF40 FF60FF40 300C0140 20080140, 0x80000006
    // 40802040 60804040 04006140 0FE09140; the level 3 is 1016 x 512 KB, the package's, as leaf
    // 0x8000001D, which would give one complex's, answers zeros here.
    {"amd-epyc-turin-vm.txt", "AuthenticAMD", 1, 0x00B00F21, 15, 2, 1, 0, 0x178BFBFF, 0xFED83203, 0x25D3FBFF, 1,
     "Oxide Virtual Turin-like Processor             ", {32, 48, 1024, 520192},
     {{"Data", "48 KB", "64 Byte Line", "12-Way", ""}, {"Instruction", "32 KB", "64 Byte Line", "8-Way", ""},
      {"Data TLB", "96 Entries", "4/2 M pages", "Fully", ""}, {"Inst TLB", "64 Entries", "4/2 M pages", "Fully", ""},
      {"Data TLB", "96 Entries", "4K pages", "Fully", ""}, {"Inst TLB", "64 Entries", "4K pages", "Fully", ""}},
     {{"Combined", "1024 KB", "64 Byte Line", "8-Way", ""}, {"L3 Combined", "520192 KB", "64 Byte Line", "Unknown", ""},
      {"Data TLB", "128 Entries", "4/2 M pages", "4-Way", ""}, {"Inst TLB", "64 Entries", "4/2 M pages", "2-Way", ""},
      {"Data TLB", "128 Entries", "4K pages", "8-Way", ""}, {"Inst TLB", "64 Entries", "4K pages", "4-Way", ""}},
     {}, 288, 210},
    // Leaf 0x80000006 EAX 0: the level-2 TLB is unified, from EBX 42004200.
    {"amd-athlon-64-processor-3200+.txt", "AuthenticAMD", 1, 0x00020FF0, 15, 15, 0, 0, 0x078BFBFF, 0x00000001, 0xE3D3FBFF, 1,
     "AMD Athlon(tm) 64 Processor 3200+", {64, 64, 512, 0}, AmdL1("Fully", "32 Entries", "32 Entries"),
     {{"Combined", "512 KB", "64 Byte Line", "16-Way", ""}, {"Unified TLB", "512 Entries", "4K pages", "4-Way", ""}}, {}, 231, 171},
    {"amd-athlon-xp-palomino.txt", "AuthenticAMD", 1, 0x00000662, 6, 6, 2, 0, 0x0383F9FF, 0, 0xC1C3F9FF, 1,
     "Athlon XP (Palomin\x7F?00+", {64, 64, 256, 0}, AmdL1("4-Way", "32 Entries", "16 Entries"),
     {{"Combined", "256 KB", "64 Byte Line", "16-Way", ""}, {"Unified TLB", "256 Entries", "4K pages", "4-Way", ""}},
     {}, 103, 30},
    // Leaf 0x80000006 ECX 00018140 claims 1 KB; family 6 model 3 gives 64 KB.
    {"amd-duron-spitfire.txt", "AuthenticAMD", 1, 0x00000630, 6, 3, 0, 0, 0x0183F9FF, 0, 0xC1C7F9FF, 1,
     "AMD Duron(tm) processor", {64, 64, 64, 0}, AmdL1("4-Way", "24 Entries", "16 Entries"),
     {{"Combined", "64 KB", "64 Byte Line", "16-Way", ""}, {"Unified TLB", "256 Entries", "4K pages", "4-Way", ""}}, {}, 101, 29},
    // Extended family bits set (00A00F11): only bits 8-11 count, family 15. Leaf 0x80000006 EDX
    // 08009140: 512 x 512 KB of level 3, ways in leaf 0x8000001D, which this virtual machine
    // leaves empty (its ECX bit 22 claims the leaf).
    {"amd-epyc-milan-vm.txt", "AuthenticAMD", 1, 0x00A00F11, 15, 1, 1, 0, 0x178BFBFF, 0xFFFA3203, 0x2FD3FBFF, 1,
     "AMD EPYC", {32, 32, 512, 262144},
     {{"Data", "32 KB", "64 Byte Line", "8-Way", ""}, {"Instruction", "32 KB", "64 Byte Line", "8-Way", ""},
      {"Data TLB", "64 Entries", "4/2 M pages", "Fully", ""}, {"Inst TLB", "64 Entries", "4/2 M pages", "Fully", ""},
      {"Data TLB", "64 Entries", "4K pages", "Fully", ""}, {"Inst TLB", "64 Entries", "4K pages", "Fully", ""}},
     {{"Combined", "512 KB", "64 Byte Line", "8-Way", ""}, {"L3 Combined", "262144 KB", "64 Byte Line", "Unknown", ""},
      {"Data TLB", "2048 Entries", "4/2 M pages", "4-Way", ""},
      {"Inst TLB", "512 Entries", "4/2 M pages", "2-Way", ""}, {"Data TLB", "2048 Entries", "4K pages", "8-Way", ""},
      {"Inst TLB", "512 Entries", "4K pages", "4-Way", ""}}, {}, 276, 203},
    // No leaf 0x80000006 in the dump: it answers zeros, one empty level-2 row.
    {"amd-k5-pr133.txt", "AuthenticAMD", 1, 0x00000511, 5, 1, 1, 0, 0x000021BF, 0, 0x000021BF, 1,
     "AMD-K5(tm) Processor", {16, 8, 0, 0},
     {{"Data", "8 KB", "32 Byte Line", "4-Way", ""}, {"Instruction", "16 KB", "32 Byte Line", "4-Way", ""},
      {"Data TLB", "0 Entries", "4/2 M pages", "Off", ""}, {"Inst TLB", "0 Entries", "4/2 M pages", "Off", ""},
      {"Data TLB", "128 Entries", "4K pages", "4-Way", ""}, {"Inst TLB", "0 Entries", "4K pages", "Off", ""}},
     {{"Combined", "0 KB", "0 Byte Line", "Off", ""}}, {}, 89, 62},
    // Leaf 0x80000005 EBX 02800140: instruction TLB ways code 1, direct mapped.
    {"amd-k6-2-chomper.txt", "AuthenticAMD", 1, 0x00000580, 5, 8, 0, 0, 0x008001BF, 0, 0x808009BF, 1,
     "AMD-K6(tm) 3D processor", {32, 32, 0, 0},
     {{"Data", "32 KB", "32 Byte Line", "2-Way", ""}, {"Instruction", "32 KB", "32 Byte Line", "2-Way", ""},
      {"Data TLB", "0 Entries", "4/2 M pages", "Off", ""}, {"Inst TLB", "0 Entries", "4/2 M pages", "Off", ""},
      {"Data TLB", "128 Entries", "4K pages", "2-Way", ""}, {"Inst TLB", "64 Entries", "4K pages", "Direct", ""}},
     {{"Combined", "0 KB", "0 Byte Line", "Off", ""}}, {}, 94, 67},
    // Built dumps of later Transmeta revisions (leaf 0x80860001 EBX above 01030000): the texts
    // and the class come from the entry two on (128 shows 130's, class 58), or stay the matched
    // entry's own where that lies past the table (133, class 80).
    {"transmeta-crusoe-tm5800-built.txt", "GenuineTMx86", 3, 0x00000543, 5, 4, 3, 0, 0x0080893F, 0, 0x0080893F, 1,
     "Transmeta(tm) Crusoe(tm) Processor TM5800", {64, 64, 512, 0},
     {{"Data", "64 KB", "32 Byte Line", "16-Way", ""}, {"Instruction", "64 KB", "32 Byte Line", "8-Way", ""},
      {"Data TLB", "0 Entries", "4/2 M pages", "Off", ""}, {"Inst TLB", "0 Entries", "4/2 M pages", "Off", ""},
      {"Data TLB", "128 Entries", "4K pages", "4-Way", ""}, {"Inst TLB", "128 Entries", "4K pages", "4-Way", ""}},
     {{"Combined", "512 KB", "32 Byte Line", "4-Way", ""}}, {}, 128, 58},
    {"transmeta-efficeon-built.txt", "GenuineTMx86", 3, 0x00000544, 5, 4, 4, 0, 0x0080893F, 0, 0x0080893F, 1,
     "Transmeta Efficeon(tm) Processor TM8000", {128, 64, 1024, 0},
     {{"Data", "64 KB", "64 Byte Line", "8-Way", ""}, {"Instruction", "128 KB", "64 Byte Line", "4-Way", ""},
      {"Data TLB", "8 Entries", "4/2 M pages", "Fully", ""}, {"Inst TLB", "8 Entries", "4/2 M pages", "Fully", ""},
      {"Data TLB", "0 Entries", "4K pages", "Off", ""}, {"Inst TLB", "0 Entries", "4K pages", "Off", ""}},
     {{"Combined", "1024 KB", "64 Byte Line", "16-Way", ""}, {"Unified TLB", "512 Entries", "4K pages", "4-Way", ""}},
     {}, 133, 80},
    // VIA: leaf 0x80000005 as AMD lays it out (the highest extended leaf); its EAX halves have
    // no entries or no ways and give no row. No level 2 reported.
    {"via-samuel.txt", "CentaurHauls", 6, 0x00000660, 6, 6, 0, 0, 0x008031B5, 0xC1705F8C, 0x808031B5, 1,
     "VIA Samuel", {64, 64, 0, 0},
     {{"Data", "64 KB", "32 Byte Line", "4-Way", ""}, {"Instruction", "64 KB", "32 Byte Line", "4-Way", ""},
      {"Data TLB", "128 Entries", "4K pages", "8-Way", ""}, {"Inst TLB", "128 Entries", "4K pages", "8-Way", ""}},
     {}, {}, 0, 0},
};
// clang-format on

void ExpectGrid(const CacheGrid& grid, const std::vector<ExpectedRow>& rows) {
    rows.empty() ? ExpectNoneDetected(grid) : ExpectRows(grid, rows);
}

}  // namespace

TEST_F(ProbeTest, DumpsOfRealProcessors) {
    for (const DumpCase& c : kDumps) {
        SCOPED_TRACE(c.file);
        SetUp();
        Probe(c.file);
        EXPECT_STREQ(record.vendorString, c.vendorString);
        EXPECT_EQ(record.vendorIndex, c.vendorIndex);
        EXPECT_EQ(record.signature, c.signature);
        EXPECT_EQ(record.cpuFamily, c.family);
        EXPECT_EQ(record.cpuModel, c.model);
        EXPECT_EQ(record.cpuStepping, c.stepping);
        EXPECT_EQ(record.cpuType, 0u);
        EXPECT_EQ(record.brandId, c.brandId);
        EXPECT_EQ(record.featuresEdx, c.featuresEdx);
        EXPECT_EQ(record.featuresEcx, c.featuresEcx);
        EXPECT_EQ(record.extFeaturesEdx, c.extFeaturesEdx);
        EXPECT_EQ(record.brandStringValid, c.brandStringValid);
        EXPECT_STREQ(record.brandString, c.brandString);
        EXPECT_EQ(record.transmetaShift, c.vendorIndex == 3 ? 2u : 0u);
        ExpectGrid(level1Grid, c.level1);
        ExpectGrid(level23Grid, c.level23);
        EXPECT_EQ(Totals(cacheTotals), Totals(c.totals));
        EXPECT_EQ(notice.descriptors, c.unknownDescriptors);
        // Leaf 2 only on the Intel path, the extended cache leaves on AMD's, Transmeta's and VIA's.
        EXPECT_EQ(cpu.Executed(2), c.vendorIndex == 0);
        EXPECT_EQ(cpu.Executed(0x80000005), c.vendorIndex == 1 || c.vendorIndex == 3 || c.vendorIndex == 6);
        // Described as the Main page describes it (worked out by walking the table's rules).
        describeState = {};
        describeState.showingDetected = 1;
        NoControls page;
        DescribeProcessor(page);
        EXPECT_EQ(describeState.matchedEntry, c.matchedEntry);
        EXPECT_EQ(describeState.statsKey, c.statsKey);
    }
}
