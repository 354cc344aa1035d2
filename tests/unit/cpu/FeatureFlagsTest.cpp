// Feature-flag pages: absent features greyed, present ones left alone.
#include <vector>

#include <gtest/gtest.h>

#include "cpu/FeatureFlags.h"
#include "FakePageControls.h"

// The labels of "Flags A": leaf 1 EDX bits 0-31 except 10 and 20.
static std::vector<int> FlagsAIds() {
    std::vector<int> ids;
    for (int bit = 0; bit < 32; ++bit)
        if (bit != 10 && bit != 20) ids.push_back(1000 + bit);
    return ids;
}

TEST(FeatureFlagsTest, ClearBitsAreDisabledSetBitsUntouched) {
    FakePageControls page(FlagsAIds());
    page.SetEnabled(1004, false);   // already grey: a set bit must not enable it
    const uint32_t word = 0x40000011;   // bits 0, 4 and 30 (FPU, TSC, IA-64)
    DisableAbsentFeatures(page, 1000, word);
    for (int bit = 0; bit < 32; ++bit) {
        if (!page.HasControl(1000 + bit)) continue;
        SCOPED_TRACE(bit);
        const bool expected = bit == 0 || bit == 30;
        EXPECT_EQ(page[1000 + bit].enabled, expected);
    }
    EXPECT_FALSE(page.HasControl(1010));
}

// "Flags B" with no extended leaves: every extended label grey, ECX labels by bit.
TEST(FeatureFlagsTest, FlagsBWithoutExtendedLeaves) {
    FakePageControls page({1050, 1053, 1054, 1057, 1058, 1060, 1100, 1104, 1120, 1129, 1131});
    DisableAbsentFeatures(page, 1000, 0);
    DisableAbsentFeatures(page, 1050, 0x00000011);   // SSE3 and CPL Qualified Debug Store
    DisableAbsentFeatures(page, 1100, 0);
    EXPECT_TRUE(page[1050].enabled);
    EXPECT_TRUE(page[1054].enabled);
    for (int id : {1053, 1057, 1058, 1060, 1100, 1104, 1120, 1129, 1131}) EXPECT_FALSE(page[id].enabled) << id;
}
