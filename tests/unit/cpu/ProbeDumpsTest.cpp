// The probe on dumps of real processors; expectations worked out from each dump's leaves.
#include "cpu/ProbeFixture.h"

struct Identity {
    const char* vendorString;
    uint32_t vendorIndex, signature, family, model, stepping, brandId;
    uint32_t featuresEdx, featuresEcx, extFeaturesEdx, brandStringValid;
    const char* brandString;
};

static void ExpectIdentity(const Identity& id) {
    const ProcessorRecord& r = processorRecord;
    EXPECT_STREQ(r.vendorString, id.vendorString);
    EXPECT_EQ(r.vendorIndex, id.vendorIndex);
    EXPECT_EQ(r.signature, id.signature);
    EXPECT_EQ(r.cpuFamily, id.family);
    EXPECT_EQ(r.cpuModel, id.model);
    EXPECT_EQ(r.cpuStepping, id.stepping);
    EXPECT_EQ(r.cpuType, 0u);
    EXPECT_EQ(r.brandId, id.brandId);
    EXPECT_EQ(r.featuresEdx, id.featuresEdx);
    EXPECT_EQ(r.featuresEcx, id.featuresEcx);
    EXPECT_EQ(r.extFeaturesEdx, id.extFeaturesEdx);
    EXPECT_EQ(r.brandStringValid, id.brandStringValid);
    EXPECT_STREQ(r.brandString, id.brandString);
    EXPECT_EQ(r.transmetaShift, 0u);
}

static void ExpectTotals(uint32_t l1Instruction, uint32_t l1Data, uint32_t l2, uint32_t l3) {
    EXPECT_EQ(cacheTotals.l1Instruction, l1Instruction);
    EXPECT_EQ(cacheTotals.l1Data, l1Data);
    EXPECT_EQ(cacheTotals.l2, l2);
    EXPECT_EQ(cacheTotals.l3, l3);
}

// Leaf 2 665B5001 / 007B7040 of the NetBurst parts: 50 5B 66 | 40 70 7B.
static void ExpectNetBurstCaches() {
    ExpectRows(level1Grid, {{"Inst TLB, 80", "4K, 2M or 4M pages", "64 Entries", "Fully", "No"},
                            {"Data TLB, 91", "4K or 4M pages", "64 Entries", "Fully", "No"},
                            {"Data, 102", "8 KB", "64 Byte Line", "4-Way", "Yes"},
                            {"Trace, 112", "12 K-\xB5ops", "", "8-Way", "No"}});
    ExpectRows(level23Grid, {{"Combined, 123", "512 KB", "64 Byte Line", "8-Way", "Yes"}});
    ExpectTotals(12, 8, 512, 0);
}

// Leaf 2 03020101 / 0C0408xx of the P6 parts: 01 02 03 | xx 08 04 0C.
static void ExpectP6Caches(const char* level2Type, const char* level2Memory, const char* level2Ways,
                           uint32_t l2) {
    ExpectRows(level1Grid, {{"Inst TLB, 1", "4K pages", "32 Entries", "4-Way", "No"},
                            {"Inst TLB, 2", "4M pages", "2 Entries", "Fully", "No"},
                            {"Data TLB, 3", "4K pages", "64 Entries", "4-Way", "No"},
                            {"Instruction, 8", "16 KB", "32 Byte Line", "4-Way", "No"},
                            {"Data TLB, 4", "4M pages", "8 Entries", "4-Way", "No"},
                            {"Data, 12", "16 KB", "32 Byte Line", "4-Way", "No"}});
    ExpectRows(level23Grid, {{level2Type, level2Memory, "32 Byte Line", level2Ways, "No"}});
    ExpectTotals(16, 16, l2, 0);
}

TEST_F(ProbeTest, IntelPentium4Northwood) {
    Probe("intel-pentium-4-cpu-2.80ghz.txt");
    // Leaf 1 EBX 00020809: two logical processors keep EDX bit 28.
    ExpectIdentity({"GenuineIntel", 0, 0x00000F29, 15, 2, 9, 9, 0xBFEBFBFF, 0x00004400, 0, 1,
                    "              Intel(R) Pentium(R) 4 CPU 2.80GHz"});
    ExpectNetBurstCaches();
    EXPECT_TRUE(notice.descriptors.empty());
}

TEST_F(ProbeTest, IntelXeonNetBurst) {
    Probe("intel-xeon-cpu-2.40ghz.txt");
    ExpectIdentity({"GenuineIntel", 0, 0x00000F25, 15, 2, 5, 11, 0xBFEBFBFF, 0x00004400, 0, 1,
                    "                  Intel(R) Xeon(TM) CPU 2.40GHz"});
    ExpectNetBurstCaches();
}

// Leaf 0x80000000 answers 03020101, not above 0x80000000: no brand string.
TEST_F(ProbeTest, IntelPentium3Coppermine) {
    Probe("intel-pentium-iii-coppermine.txt");
    ExpectIdentity({"GenuineIntel", 0, 0x0000068A, 6, 8, 10, 2, 0x0383FBFF, 0, 0, 0, ""});
    ExpectP6Caches("Combined, 130", "256 KB", "8-Way", 256);
}

TEST_F(ProbeTest, IntelCeleronCoppermine) {
    Probe("intel-celeron-coppermine.txt");
    ExpectIdentity({"GenuineIntel", 0, 0x0000068A, 6, 8, 10, 1, 0x0383F9FF, 0, 0, 0, ""});
    ExpectP6Caches("Combined, 65", "128 KB", "4-Way", 128);
}

TEST_F(ProbeTest, IntelPentium2Dixon) {
    Probe("intel-pentium-ii-dixon.txt");
    ExpectIdentity({"GenuineIntel", 0, 0x0000066A, 6, 6, 10, 0, 0x0183F9FF, 0, 0, 0, ""});
    ExpectP6Caches("Combined, 66", "256 KB", "4-Way", 256);
}

// Leaf 2 02B3B001 000000F0 00000000 2C04307D: F0 and 7D are not in the table.
TEST_F(ProbeTest, IntelPentiumM) {
    Probe("intel-pentium-m-processor-1.60ghz.txt");
    ExpectIdentity({"GenuineIntel", 0, 0x000006D6, 6, 13, 6, 0x16, 0xAFE9F9BF, 0x00000180, 0, 1,
                    "        Intel(R) Pentium(R) M processor 1.60GHz"});
    ExpectRows(level1Grid, {{"Inst TLB, 176", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},
                            {"Data TLB, 179", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},
                            {"Inst TLB, 2", "4M pages", "2 Entries", "Fully", "No"},
                            {"Instruction, 48", "32 KB", "64 Byte Line", "8-Way", "No"},
                            {"Data TLB, 4", "4M pages", "8 Entries", "4-Way", "No"},
                            {"Data, 44", "32 KB", "64 Byte Line", "8-Way", "No"}});
    ExpectNoneDetected(level23Grid);
    ExpectTotals(32, 32, 0, 0);
    EXPECT_EQ(notice.descriptors, (std::vector<uint32_t>{240, 125}));
}

// Leaf 2 05B0B101 005657F0 00000000 2CB43049: only B0, 30 and 2C are known.
TEST_F(ProbeTest, IntelCore2Duo) {
    Probe("intel-core2-duo-cpu-e6750.txt");
    ExpectIdentity({"GenuineIntel", 0, 0x000006FB, 6, 15, 11, 0, 0xBFEBFBFF, 0x0000E3FD, 0x20100000, 1,
                    "Intel(R) Core(TM)2 Duo CPU     E6750  @ 2.66GHz"});
    ExpectRows(level1Grid, {{"Inst TLB, 176", "4K, 2M or 4M pages", "128 Entries", "4-Way", "No"},
                            {"Instruction, 48", "32 KB", "64 Byte Line", "8-Way", "No"},
                            {"Data, 44", "32 KB", "64 Byte Line", "8-Way", "No"}});
    ExpectNoneDetected(level23Grid);
    ExpectTotals(32, 32, 0, 0);
    EXPECT_EQ(notice.descriptors, (std::vector<uint32_t>{177, 5, 240, 87, 86, 73, 180}));
}

TEST_F(ProbeTest, AmdAthlon64) {
    Probe("amd-athlon-64-processor-3200+.txt");
    ExpectIdentity({"AuthenticAMD", 1, 0x00020FF0, 15, 15, 0, 0, 0x078BFBFF, 0x00000001, 0xE3D3FBFF, 1,
                    "AMD Athlon(tm) 64 Processor 3200+"});
    ExpectRows(level1Grid, {{"Data", "64 KB", "64 Byte Line", "2-Way", ""},
                            {"Instruction", "64 KB", "64 Byte Line", "2-Way", ""},
                            {"Data TLB", "8 Entries", "4/2 M pages", "Fully", ""},
                            {"Inst TLB", "8 Entries", "4/2 M pages", "Fully", ""},
                            {"Data TLB", "32 Entries", "4K pages", "Fully", ""},
                            {"Inst TLB", "32 Entries", "4K pages", "Fully", ""}});
    // Leaf 0x80000006 EAX 0: the level-2 TLB is unified, from EBX 42004200.
    ExpectRows(level23Grid, {{"Combined", "512 KB", "64 Byte Line", "16-Way", ""},
                             {"Unified TLB", "512 Entries", "4K pages", "4-Way", ""}});
    ExpectTotals(64, 64, 512, 0);
}

TEST_F(ProbeTest, AmdAthlonXpPalomino) {
    Probe("amd-athlon-xp-palomino.txt");
    ExpectIdentity({"AuthenticAMD", 1, 0x00000662, 6, 6, 2, 0, 0x0383F9FF, 0, 0xC1C3F9FF, 1,
                    "Athlon XP (Palomin\x7F?00+"});
    ExpectRows(level1Grid, {{"Data", "64 KB", "64 Byte Line", "2-Way", ""},
                            {"Instruction", "64 KB", "64 Byte Line", "2-Way", ""},
                            {"Data TLB", "8 Entries", "4/2 M pages", "4-Way", ""},
                            {"Inst TLB", "8 Entries", "4/2 M pages", "Fully", ""},
                            {"Data TLB", "32 Entries", "4K pages", "Fully", ""},
                            {"Inst TLB", "16 Entries", "4K pages", "Fully", ""}});
    ExpectRows(level23Grid, {{"Combined", "256 KB", "64 Byte Line", "16-Way", ""},
                             {"Unified TLB", "256 Entries", "4K pages", "4-Way", ""}});
    ExpectTotals(64, 64, 256, 0);
}

// Leaf 0x80000006 ECX 00018140 claims 1 KB; family 6 model 3 gives 64 KB.
TEST_F(ProbeTest, AmdDuronSpitfire) {
    Probe("amd-duron-spitfire.txt");
    ExpectIdentity({"AuthenticAMD", 1, 0x00000630, 6, 3, 0, 0, 0x0183F9FF, 0, 0xC1C7F9FF, 1,
                    "AMD Duron(tm) processor"});
    EXPECT_EQ(level1Grid.rowCount, 6u);
    EXPECT_STREQ(level1Grid.rows[4].cells[kMemoryCell], "24 Entries");
    ExpectRows(level23Grid, {{"Combined", "64 KB", "64 Byte Line", "16-Way", ""},
                             {"Unified TLB", "256 Entries", "4K pages", "4-Way", ""}});
    ExpectTotals(64, 64, 64, 0);
}

// Extended family bits set (00A00F11): only bits 8-11 count, family 15.
TEST_F(ProbeTest, AmdEpycMilanVm) {
    Probe("amd-epyc-milan-vm.txt");
    ExpectIdentity({"AuthenticAMD", 1, 0x00A00F11, 15, 1, 1, 0, 0x178BFBFF, 0xFFFA3203, 0x2FD3FBFF, 1,
                    "AMD EPYC"});
    EXPECT_FALSE(cpu.Executed(2));
    EXPECT_FALSE(cpu.Executed(0x80860001));
    ExpectRows(level1Grid, {{"Data", "32 KB", "64 Byte Line", "8-Way", ""},
                            {"Instruction", "32 KB", "64 Byte Line", "8-Way", ""},
                            {"Data TLB", "64 Entries", "4/2 M pages", "Fully", ""},
                            {"Inst TLB", "64 Entries", "4/2 M pages", "Fully", ""},
                            {"Data TLB", "64 Entries", "4K pages", "Fully", ""},
                            {"Inst TLB", "64 Entries", "4K pages", "Fully", ""}});
    ExpectRows(level23Grid, {{"Combined", "512 KB", "64 Byte Line", "8-Way", ""},
                             {"Data TLB", "2048 Entries", "4/2 M pages", "4-Way", ""},
                             {"Inst TLB", "512 Entries", "4/2 M pages", "2-Way", ""},
                             {"Data TLB", "2048 Entries", "4K pages", "8-Way", ""},
                             {"Inst TLB", "512 Entries", "4K pages", "4-Way", ""}});
    ExpectTotals(32, 32, 512, 0);
}

// No leaf 0x80000006 in the dump: it answers zeros, one empty level-2 row.
TEST_F(ProbeTest, AmdK5) {
    Probe("amd-k5-pr133.txt");
    ExpectIdentity({"AuthenticAMD", 1, 0x00000511, 5, 1, 1, 0, 0x000021BF, 0, 0x000021BF, 1,
                    "AMD-K5(tm) Processor"});
    ExpectRows(level1Grid, {{"Data", "8 KB", "32 Byte Line", "4-Way", ""},
                            {"Instruction", "16 KB", "32 Byte Line", "4-Way", ""},
                            {"Data TLB", "0 Entries", "4/2 M pages", "Off", ""},
                            {"Inst TLB", "0 Entries", "4/2 M pages", "Off", ""},
                            {"Data TLB", "128 Entries", "4K pages", "4-Way", ""},
                            {"Inst TLB", "0 Entries", "4K pages", "Off", ""}});
    ExpectRows(level23Grid, {{"Combined", "0 KB", "0 Byte Line", "Off", ""}});
    ExpectTotals(16, 8, 0, 0);
}

// Leaf 0x80000005 EBX 02800140: instruction TLB ways code 1 reads "Off".
TEST_F(ProbeTest, AmdK6_2) {
    Probe("amd-k6-2-chomper.txt");
    ExpectIdentity({"AuthenticAMD", 1, 0x00000580, 5, 8, 0, 0, 0x008001BF, 0, 0x808009BF, 1,
                    "AMD-K6(tm) 3D processor"});
    EXPECT_EQ(level1Grid.rowCount, 6u);
    EXPECT_STREQ(level1Grid.rows[0].cells[kMemoryCell], "32 KB");
    EXPECT_STREQ(level1Grid.rows[0].cells[kAssociationCell], "2-Way");
    EXPECT_STREQ(level1Grid.rows[4].cells[kMemoryCell], "128 Entries");
    EXPECT_STREQ(level1Grid.rows[4].cells[kAssociationCell], "2-Way");
    EXPECT_STREQ(level1Grid.rows[5].cells[kMemoryCell], "64 Entries");
    EXPECT_STREQ(level1Grid.rows[5].cells[kAssociationCell], "Off");
    ExpectTotals(32, 32, 0, 0);
}

TEST_F(ProbeTest, ViaSamuel) {
    Probe("via-samuel.txt");
    ExpectIdentity({"CentaurHauls", 6, 0x00000660, 6, 6, 0, 0, 0x008031B5, 0xC1705F8C, 0x808031B5, 1,
                    "VIA Samuel"});
    EXPECT_FALSE(cpu.Executed(0x80000005));
    ExpectNoneDetected(level1Grid);
    ExpectNoneDetected(level23Grid);
    ExpectTotals(0, 0, 0, 0);
}
