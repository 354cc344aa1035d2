// Feature-flag pages: absent features greyed, present ones left alone.
#include <gtest/gtest.h>

#include "cpu/FeatureFlags.h"
#include "FakePageControls.h"

// Bit n of a word is the label base + n: a clear bit greys its label, a set bit leaves it as it
// was, even grey; labels of other words are untouched. Three words as "Flags B" has them.
TEST(FeatureFlagsTest, ClearBitsAreDisabledSetBitsUntouched) {
    FakePageControls page({1000, 1004, 1030, 1031, 1050, 1053, 1054, 1057, 1058, 1060, 1100, 1104, 1120, 1129, 1131});
    page.SetEnabled(1004, false);   // already grey: a set bit must not enable it
    DisableAbsentFeatures(page, 1000, 0x40000011);   // bits 0, 4 and 30 (FPU, TSC, IA-64)
    DisableAbsentFeatures(page, 1050, 0x00000011);   // SSE3 and CPL Qualified Debug Store
    DisableAbsentFeatures(page, 1100, 0);            // no extended leaves
    for (int id : {1000, 1030, 1050, 1054}) EXPECT_TRUE(page[id].enabled) << id;
    for (int id : {1004, 1031, 1053, 1057, 1058, 1060, 1100, 1104, 1120, 1129, 1131}) EXPECT_FALSE(page[id].enabled) << id;
}
