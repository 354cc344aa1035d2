// Leaf 4 and leaf 0x18 walks, leaf 0x8000001D topology: rows, totals, where the walks end, and
// what absurd registers give (whole processors: tests/unit/probe/ProbeDumpsTest.cpp).
#include <gtest/gtest.h>

#include "cache/DeterministicLeaves.h"
#include "cache/GridExpectations.h"
#include "cpu/CpuidDump.h"
#include "cpu/SubLeaves.h"

namespace {

// Answers every sub-leaf of every leaf alike and counts the calls.
struct EndlessLeaf : CpuidSource {
    explicit EndlessLeaf(CpuidRegisters regs) : regs(regs) {}
    bool CanToggleFlag(uint32_t) override { return true; }
    CpuidRegisters Execute(uint32_t, uint32_t) override {
        ++calls;
        return regs;
    }
    CpuidRegisters regs;
    uint32_t calls = 0;
};

struct DeterministicLeavesTest : ::testing::Test {
    void SetUp() override { ResetCacheRecords(); }
    static auto Totals() {
        return std::make_tuple(cacheTotals.l1Instruction, cacheTotals.l1Data, cacheTotals.l2, cacheTotals.l3);
    }
    CpuidDump cpu;
};

}  // namespace

// A processor with four levels: data, instruction, level 2, level 3, level 4 (no total), and a
// reserved type that adds nothing; the walk ends at the first type 0 though more follows.
TEST_F(DeterministicLeavesTest, Leaf4RowsPerCacheUntilTypeZero) {
    cpu.Set(4, 0, {0x00000121, 0x02C0003F, 0x0000003F, 0});   // L1 data: 12 x 1 x 64 x 64 = 48 KB
    cpu.Set(4, 1, {0x00000122, 0x01C0003F, 0x0000003F, 0});   // L1 instruction: 8 ways, 32 KB
    cpu.Set(4, 2, {0x00000143, 0x0240003F, 0x000007FF, 0});   // L2: 10 ways x 2048 sets = 1280 KB
    cpu.Set(4, 3, {0x00000163, 0x02C0003F, 0x0000BFFF, 0});   // L3: 12 ways x 49152 sets = 36 MB
    cpu.Set(4, 4, {0x00000284, 0x00000FFF, 0x00000000, 0});   // a reserved type 4, fully associative
    cpu.Set(4, 5, {0x00000083, 0x03C0003F, 0x0000FFFF, 0});   // L4 (level 4): 16 x 65536 x 64 = 64 MB
    cpu.Set(4, 7, {0x00000121, 0x02C0003F, 0x0000003F, 0});   // past sub-leaf 6's type 0
    DescribeLeaf4Caches(cpu);
    ExpectRows(level1Grid, {{"Data, leaf 4", "48 KB", "64 Byte Line", "12-Way", ""},
                            {"Instruction, leaf 4", "32 KB", "64 Byte Line", "8-Way", ""}});
    ExpectRows(level23Grid, {{"Combined, leaf 4", "1280 KB", "64 Byte Line", "10-Way", ""},
                             {"L3 Combined, leaf 4", "36864 KB", "64 Byte Line", "12-Way", ""},
                             {"L4 Combined, leaf 4", "65536 KB", "64 Byte Line", "16-Way", ""}});
    EXPECT_EQ(Totals(), std::make_tuple(32u, 48u, 1280u, 36864u));
}

// Registers that never end the list: the walk stops at the sub-leaf limit, the grid at its rows,
// and fields at their largest give a size that a 32-bit total holds at its largest.
TEST_F(DeterministicLeavesTest, Leaf4WalkIsBoundedAndSizesAreHeld) {
    EndlessLeaf endless({0x00000163, 0xFFFFFFFF, 0xFFFFFFFF, 0});
    DescribeLeaf4Caches(endless);
    EXPECT_EQ(endless.calls, kSubLeafLimit * 2);   // counted, then walked
    EXPECT_EQ(level23Grid.rowCount, kCacheGridRows);
    EXPECT_STREQ(level23Grid.rows[0].cells[kMemoryCell], "4294967295 KB");
    EXPECT_STREQ(level23Grid.rows[0].cells[kAssociationCell], "1024-Way");
    EXPECT_EQ(cacheTotals.l3, 0xFFFFFFFFu);
}

// Leaf 0x18: sub-leaf 0 EAX names the last; invalid types give no row; a unified TLB past level
// 1 is the shared STLB; zero ways give no entries.
TEST_F(DeterministicLeavesTest, Leaf18RowsPerValidTlb) {
    cpu.Set(0x18, 0, {4, 0x00080007, 0x00000020, 0x00000022});   // instruction: 8 ways x 32 sets
    cpu.Set(0x18, 1, {0, 0x00040001, 0x00000010, 0x00000024});   // load only: 4K, 4 x 16
    cpu.Set(0x18, 2, {0, 0x00100008, 0x00000001, 0x00000125});   // store only, 1G, fully
    cpu.Set(0x18, 3, {0, 0x000C0003, 0x00000080, 0x00000043});   // STLB: 12 ways x 128 sets
    cpu.Set(0x18, 4, {0, 0x00000001, 0x00000040, 0x00000021});   // data, zero ways
    cpu.Set(0x18, 5, {0, 0x00040001, 0x00000010, 0x00000021});   // past the last sub-leaf
    DescribeLeaf18Tlbs(cpu);
    ExpectRows(level1Grid, {{"Inst TLB, leaf 18h", "4K, 2M or 4M pages", "256 Entries", "8-Way", ""},
                            {"Load TLB, leaf 18h", "4K pages", "64 Entries", "4-Way", ""},
                            {"Store TLB, leaf 18h", "1G pages", "16 Entries", "Fully", ""},
                            {"Data TLB, leaf 18h", "4K pages", "0 Entries", "Off", ""}});
    ExpectRows(level23Grid, {{"STLB, leaf 18h", "4K or 2M pages", "1536 Entries", "12-Way", ""}});
    EXPECT_EQ(Totals(), std::make_tuple(0u, 0u, 0u, 0u));
}

// A last sub-leaf of 4 billion: the walk ends at the limit; invalid types (0, 6) never write.
TEST_F(DeterministicLeavesTest, Leaf18CountOfFourBillionIsBounded) {
    EndlessLeaf endless({0xFFFFFFFF, 0xFFFF000F, 0xFFFFFFFF, 0x00000003});
    DescribeLeaf18Tlbs(endless);
    EXPECT_EQ(endless.calls, 1 + kSubLeafLimit);
    EXPECT_EQ(level1Grid.rowCount, kCacheGridRows);
    EXPECT_STREQ(level1Grid.rows[0].cells[kSizeCell], "281470681677825 Ent");   // cut to the cell
    for (uint32_t type : {0u, 6u, 31u}) {
        SetUp();
        EndlessLeaf invalid({3, 0x00010001, 1, type});
        DescribeLeaf18Tlbs(invalid);
        EXPECT_EQ(level1Grid.rowCount + level23Grid.rowCount, 0u) << type;
    }
}

// Leaf 0x8000001D: the first data, instruction, level-2 and level-3 cache, per instance.
TEST_F(DeterministicLeavesTest, TopologyTakesEachLevelOnce) {
    cpu.Set(0x8000001D, 0, {0x00004121, 0x01C0003F, 0x0000003F, 0});
    cpu.Set(0x8000001D, 1, {0x00004122, 0x01C0003F, 0x0000003F, 0});
    cpu.Set(0x8000001D, 2, {0x00004143, 0x01C0003F, 0x000003FF, 0});
    cpu.Set(0x8000001D, 3, {0x0001C163, 0x03C0003F, 0x00003FFF, 0});   // 16 MB of one core complex
    cpu.Set(0x8000001D, 4, {0x0001C163, 0x03C0003F, 0x00007FFF, 0});   // a second level 3 is not taken
    const CacheTopology topology = ReadCacheTopology(cpu);
    EXPECT_EQ(topology.l1Data.sizeKb, 32u);
    EXPECT_EQ(topology.l1Instruction.sizeKb, 32u);
    EXPECT_EQ(topology.l2.sizeKb, 512u);
    EXPECT_EQ(topology.l3.sizeKb, 16384u);
    EXPECT_EQ(topology.l3.ways, 16u);
    CpuidDump none;
    EXPECT_EQ(ReadCacheTopology(none).l3.type, 0u);
}
