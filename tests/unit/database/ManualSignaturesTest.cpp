// Signatures as the vendors' errata updates and revision guides list them, each with the
// code name its processor must get (docs/processor-sources.md names the documents). Steppings
// differ from the entries' keys on purpose: a known model's other stepping is that model.
#include "database/DescribeFixture.h"

namespace {

constexpr uint32_t kIntel = 0, kAmd = 1, kCentaur = 6, kHygon = 10;

struct ManualSignature {
    uint32_t vendor, signature;
    const char* codeName;
};

// clang-format off
const ManualSignature kManualSignatures[] = {
//   vendor    signature   code name
    // Intel: NetBurst of 2004-2006, Core and Core 2
    {kIntel,    0x00000F34, "Prescott"},
    {kIntel,    0x00000F41, "Prescott / Nocona"},
    {kIntel,    0x00000F43, "Prescott-2M"},
    {kIntel,    0x00000F47, "Smithfield"},
    {kIntel,    0x00000F48, "Paxville"},
    {kIntel,    0x00000F4A, "Prescott-2M"},
    {kIntel,    0x00000F65, "Cedar Mill / Presler"},
    {kIntel,    0x00000F68, "Tulsa"},
    {kIntel,    0x000006EC, "Yonah"},
    {kIntel,    0x000006F6, "Conroe / Merom"},
    {kIntel,    0x000006FD, "Conroe / Merom"},
    {kIntel,    0x00010661, "Conroe-L / Merom-L"},
    {kIntel,    0x0001067A, "Wolfdale / Penryn"},
    {kIntel,    0x000106D1, "Dunnington"},
    // Intel: Nehalem to Comet Lake
    {kIntel,    0x000106A5, "Bloomfield / Nehalem"},
    {kIntel,    0x000106E5, "Lynnfield / Nehalem"},
    {kIntel,    0x000206E6, "Beckton / Nehalem-EX"},
    {kIntel,    0x00020655, "Clarkdale / Westmere"},
    {kIntel,    0x000206C2, "Gulftown / Westmere"},
    {kIntel,    0x000206F2, "Westmere-EX"},
    {kIntel,    0x000206A7, "Sandy Bridge"},
    {kIntel,    0x000206D7, "Sandy Bridge-E"},
    {kIntel,    0x000306A9, "Ivy Bridge"},
    {kIntel,    0x000306E4, "Ivy Bridge-E"},
    {kIntel,    0x000306C3, "Haswell"},
    {kIntel,    0x00040651, "Haswell-ULT"},
    {kIntel,    0x000306F2, "Haswell-E"},
    {kIntel,    0x000306D4, "Broadwell"},
    {kIntel,    0x000406F1, "Broadwell-E"},
    {kIntel,    0x000506E3, "Skylake"},
    {kIntel,    0x00050654, "Skylake-SP"},
    {kIntel,    0x00050657, "Cascade Lake"},
    {kIntel,    0x0005065B, "Cooper Lake"},
    {kIntel,    0x000806E9, "Kaby Lake"},
    {kIntel,    0x000806EA, "Kaby Lake-R"},
    {kIntel,    0x000806EB, "Whiskey Lake"},
    {kIntel,    0x000806EC, "Comet Lake"},
    {kIntel,    0x000906E9, "Kaby Lake"},
    {kIntel,    0x000906EA, "Coffee Lake"},
    {kIntel,    0x000906ED, "Coffee Lake-R"},
    {kIntel,    0x000A0655, "Comet Lake"},
    // Intel: 10 nm and later, servers, Xeon Phi, Atom
    {kIntel,    0x00060663, "Cannon Lake"},
    {kIntel,    0x000706E5, "Ice Lake"},
    {kIntel,    0x000606A6, "Ice Lake-SP"},
    {kIntel,    0x000806C1, "Tiger Lake"},
    {kIntel,    0x000A0671, "Rocket Lake"},
    {kIntel,    0x00090672, "Alder Lake"},
    {kIntel,    0x000906A3, "Alder Lake"},
    {kIntel,    0x000B0671, "Raptor Lake"},
    {kIntel,    0x000A06A4, "Meteor Lake"},
    {kIntel,    0x000806F8, "Sapphire Rapids"},
    {kIntel,    0x00050671, "Knights Landing"},
    {kIntel,    0x000106C2, "Bonnell"},
    {kIntel,    0x00030678, "Bay Trail"},
    {kIntel,    0x000506C9, "Apollo Lake"},
    {kIntel,    0x000706A1, "Gemini Lake"},
    {kIntel,    0x000B06E0, "Alder Lake-N"},
    // AMD: K8 revisions D to G, families 10h to 16h
    {kAmd,      0x00010FF0, "Winchester"},
    {kAmd,      0x00020F32, "Toledo"},
    {kAmd,      0x00020FB1, "Manchester"},
    {kAmd,      0x00020FF2, "Venice"},
    {kAmd,      0x00040F33, "Windsor"},
    {kAmd,      0x00060FB2, "Brisbane"},
    {kAmd,      0x00100F23, "Agena / Barcelona"},
    {kAmd,      0x00100F42, "Deneb / Shanghai"},
    {kAmd,      0x00100FA0, "Thuban"},
    {kAmd,      0x00300F10, "Llano"},
    {kAmd,      0x00500F20, "Ontario / Zacate"},
    {kAmd,      0x00600F12, "Zambezi / Bulldozer"},
    {kAmd,      0x00600F20, "Vishera / Piledriver"},
    {kAmd,      0x00610F01, "Trinity / Piledriver"},
    {kAmd,      0x00630F01, "Kaveri / Steamroller"},
    {kAmd,      0x00700F01, "Kabini / Jaguar"},
    // AMD: Zen to Zen 5
    {kAmd,      0x00800F11, "Summit Ridge / Zen"},
    {kAmd,      0x00800F82, "Pinnacle Ridge"},
    {kAmd,      0x00810F10, "Raven Ridge / Zen"},
    {kAmd,      0x00830F10, "Rome / Zen 2"},
    {kAmd,      0x00870F10, "Matisse / Zen 2"},
    {kAmd,      0x00A00F11, "Milan / Zen 3"},
    {kAmd,      0x00A20F12, "Vermeer / Zen 3"},
    {kAmd,      0x00A60F12, "Raphael / Zen 4"},
    {kAmd,      0x00B40F40, "Granite Ridge"},
    // Centaur and Hygon
    {kCentaur,  0x000006F2, "Isaiah"},
    {kHygon,    0x00900F01, "Dhyana / Zen"},
};
// clang-format on

}  // namespace

// Each signature as the Main page describes it, and the same code name for the report; a
// processor whose model the table lacks is never matched to another model's entry instead.
TEST_F(DescribeTest, SignaturesFromTheManualsGetTheirCodeNames) {
    for (const ManualSignature& m : kManualSignatures) {
        SCOPED_TRACE(m.signature);
        SetUp();
        Detected(m.vendor, m.signature, 0);
        DescribeProcessor(main);
        EXPECT_EQ(main[IDC_MAIN_CODE_NAME].text, m.codeName);
        EXPECT_STREQ(processorDescription.codeNameText, m.codeName);
        ASSERT_NE(describeState.matchedEntry, 0u);
        const uint32_t entry = EntryAt(describeState.matchedEntry).signature;
        EXPECT_EQ(DisplayFamily(entry), DisplayFamily(m.signature));
        EXPECT_EQ(DisplayModel(entry), DisplayModel(m.signature));
    }
}
