// The feature-flag table against the vendors' manuals, its names, and what the flag pages show.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "FakePageControls.h"
#include "cpu/FeatureFlags.h"
#include "resource.h"

namespace {

const char* OsName(uint32_t word, uint32_t bit, uint32_t vendorIndex = 0) {
    const FeatureFlag* flag = FindFeatureFlag(FeatureWordAt(word), bit, vendorIndex);
    return flag == nullptr ? nullptr : flag->osName;
}

}  // namespace

// A handful of bits per word where the manuals put them (Intel SDM vol. 2A, CPUID; AMD APM
// vol. 3, appendix E); nullptr: a bit the manuals reserve, or part of a number, has no row.
TEST(FeatureFlagsTest, BitsSitWhereTheManualsPutThem) {
    const struct { uint32_t word, bit; const char* osName; } cases[] = {
        {kWordFeaturesEdx, 0, "fpu"},         {kWordFeaturesEdx, 23, "mmx"},          {kWordFeaturesEdx, 26, "sse2"},
        {kWordFeaturesEdx, 28, "ht"},         {kWordFeaturesEdx, 10, nullptr},        {kWordFeaturesEdx, 20, nullptr},
        {kWordFeaturesEcx, 0, "pni"},         {kWordFeaturesEcx, 9, "ssse3"},         {kWordFeaturesEcx, 19, "sse4_1"},
        {kWordFeaturesEcx, 20, "sse4_2"},     {kWordFeaturesEcx, 25, "aes"},          {kWordFeaturesEcx, 28, "avx"},
        {kWordFeaturesEcx, 30, "rdrand"},     {kWordFeaturesEcx, 16, nullptr},
        {kWordExtFeaturesEdx, 11, "syscall"}, {kWordExtFeaturesEdx, 20, "nx"},        {kWordExtFeaturesEdx, 26, "pdpe1gb"},
        {kWordExtFeaturesEdx, 27, "rdtscp"},  {kWordExtFeaturesEdx, 29, "lm"},        {kWordExtFeaturesEdx, 31, "3dnow"},
        {kWordExtFeaturesEdx, 0, ""},         {kWordExtFeaturesEdx, 18, nullptr},     {kWordExtFeaturesEdx, 28, nullptr},
        {kWordLeaf7Ebx, 3, "bmi1"},           {kWordLeaf7Ebx, 5, "avx2"},             {kWordLeaf7Ebx, 8, "bmi2"},
        {kWordLeaf7Ebx, 16, "avx512f"},       {kWordLeaf7Ebx, 19, "adx"},             {kWordLeaf7Ebx, 29, "sha_ni"},
        {kWordLeaf7Ebx, 31, "avx512vl"},      {kWordLeaf7Ebx, 22, nullptr},
        {kWordLeaf7Ecx, 1, "avx512vbmi"},     {kWordLeaf7Ecx, 8, "gfni"},             {kWordLeaf7Ecx, 16, "la57"},
        {kWordLeaf7Ecx, 22, "rdpid"},         {kWordLeaf7Ecx, 17, nullptr},           {kWordLeaf7Ecx, 21, nullptr},
        {kWordLeaf7Edx, 4, "fsrm"},           {kWordLeaf7Edx, 8, "avx512_vp2intersect"}, {kWordLeaf7Edx, 24, "amx_tile"},
        {kWordLeaf7Edx, 26, "ibrs_ibpb"},     {kWordLeaf7Edx, 0, nullptr},
        {kWordLeaf7Sub1Eax, 4, "avx_vnni"},   {kWordLeaf7Sub1Eax, 5, "avx512_bf16"},  {kWordLeaf7Sub1Eax, 23, "avx_ifma"},
        {kWordLeaf7Sub1Eax, 9, nullptr},
        {kWordExtFeaturesEcx, 0, "lahf_lm"},  {kWordExtFeaturesEcx, 2, "svm"},        {kWordExtFeaturesEcx, 5, "abm"},
        {kWordExtFeaturesEcx, 6, "sse4a"},    {kWordExtFeaturesEcx, 11, "xop"},       {kWordExtFeaturesEcx, 16, "fma4"},
        {kWordExtFeaturesEcx, 21, "tbm"},     {kWordExtFeaturesEcx, 14, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << FeatureWordAt(c.word).fieldName << " bit " << c.bit);
        const char* name = OsName(c.word, c.bit);
        if (c.osName == nullptr) {
            EXPECT_EQ(name, nullptr) << name;
        } else {
            ASSERT_NE(name, nullptr);
            EXPECT_STREQ(name, c.osName);
        }
    }
}

// Within a word no two bits share a sheet text or an operating-system name; every row has a
// sheet text, and a vendor's own row stands beside a row for any vendor of the same bit.
TEST(FeatureFlagsTest, NamesAreUniquePerWord) {
    for (uint32_t index = 0; index < kFeatureWordCount; ++index) {
        const FeatureWord& word = FeatureWordAt(index);
        SCOPED_TRACE(word.fieldName);
        std::set<std::string> texts, osNames;
        for (uint32_t i = 0; i < word.flagCount; ++i) {
            const FeatureFlag& flag = word.flags[i];
            SCOPED_TRACE(testing::Message() << "bit " << int{flag.bit});
            EXPECT_NE(flag.sheetText[0], '\0');
            if (flag.vendor != kAnyVendor) {
                EXPECT_EQ(FindFeatureFlag(word, flag.bit, 9)->vendor, kAnyVendor);
                continue;
            }
            EXPECT_TRUE(texts.insert(flag.sheetText).second) << flag.sheetText;
            if (flag.osName[0] != '\0') {
                EXPECT_TRUE(osNames.insert(flag.osName).second) << flag.osName;
            }
        }
    }
}

// Where the manuals name a bit each their own way, the running vendor's name; any other vendor
// gets the shared row.
TEST(FeatureFlagsTest, AVendorsOwnNameWinsForItsProcessors) {
    const struct { uint32_t word, bit, vendorIndex; const char* sheetText; } cases[] = {
        {kWordExtFeaturesEcx, 5, 0, "LZCNT Instruction"},     {kWordExtFeaturesEcx, 5, 1, "Advanced Bit Manipulation"},
        {kWordExtFeaturesEcx, 5, 6, "Advanced Bit Manipulation"}, {kWordExtFeaturesEcx, 8, 0, "PREFETCHW Instruction"},
        {kWordExtFeaturesEcx, 8, 1, "3DNow! Prefetch"},       {kWordLeaf7Ebx, 12, 0, "RDT Monitoring"},
        {kWordLeaf7Ebx, 12, 1, "QoS Monitoring"},             {kWordLeaf7Ebx, 15, 1, "QoS Enforcement"},
        {kWordLeaf7Ebx, 5, 1, "AVX2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.word << " bit " << c.bit << " vendor " << c.vendorIndex);
        EXPECT_STREQ(FindFeatureFlag(FeatureWordAt(c.word), c.bit, c.vendorIndex)->sheetText, c.sheetText);
    }
}

// Each page greys the labels of clear bits, never enables one, and names a bit the running
// vendor's way where its manual has its own name; other labels keep the templates' texts.
TEST(FeatureFlagsTest, PagesGreyClearBitsAndNameTheVendorsWay) {
    FakePageControls page({IDC_FLAGS_EDX_BASE + 0, IDC_FLAGS_EDX_BASE + 28, IDC_FLAGS_ECX_BASE + 9,
                           IDC_FLAGS_EXT_EDX_BASE + 24, IDC_FLAGS_LEAF7_EBX_BASE + 5, IDC_FLAGS_LEAF7_EBX_BASE + 12,
                           IDC_FLAGS_LEAF7_ECX_BASE + 31, IDC_FLAGS_LEAF7_EDX_BASE + 0, IDC_FLAGS_LEAF7_1_EAX_BASE + 4,
                           IDC_FLAGS_EXT_ECX_BASE + 5, IDC_FLAGS_EXT_ECX_BASE + 6});
    for (auto& control : page.controls) control.second.text = "template";
    page.controls[IDC_FLAGS_LEAF7_ECX_BASE + 31].enabled = false;   // never enabled again
    ProcessorRecord record = {};
    record.vendorIndex = 0;
    record.featuresEdx = 1u << 0;
    record.featuresEcx = 1u << 9;
    record.leaf7Ebx = 1u << 12;
    record.leaf7Ecx = 1u << 31;
    record.leaf7Edx = 1u << 0;
    record.leaf7Sub1Eax = 1u << 4;
    record.extFeaturesEcx = 1u << 5;
    ShowFeatureFlags(page, record);
    const struct { int id; bool enabled; const char* text; } expected[] = {
        {IDC_FLAGS_EDX_BASE + 0, true, "template"},        {IDC_FLAGS_EDX_BASE + 28, false, "template"},
        {IDC_FLAGS_ECX_BASE + 9, true, "template"},        {IDC_FLAGS_EXT_EDX_BASE + 24, false, "template"},
        {IDC_FLAGS_LEAF7_EBX_BASE + 5, false, "template"}, {IDC_FLAGS_LEAF7_EBX_BASE + 12, true, "template"},
        {IDC_FLAGS_LEAF7_ECX_BASE + 31, false, "template"}, {IDC_FLAGS_LEAF7_EDX_BASE + 0, true, "template"},
        {IDC_FLAGS_LEAF7_1_EAX_BASE + 4, true, "template"}, {IDC_FLAGS_EXT_ECX_BASE + 5, true, "LZCNT Instruction"},
        {IDC_FLAGS_EXT_ECX_BASE + 6, false, "template"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        EXPECT_EQ(page[e.id].enabled, e.enabled);
        EXPECT_EQ(page[e.id].text, e.text);
    }

    // The templates hold the names for any vendor; AMD's own replace them on its processors.
    for (auto& control : page.controls) control.second.text = "template";
    record.vendorIndex = 1;
    ShowFeatureFlags(page, record);
    for (const auto& control : page.controls) {
        EXPECT_EQ(control.second.text, control.first == IDC_FLAGS_LEAF7_EBX_BASE + 12 ? "QoS Monitoring" : "template")
            << control.first;
    }
}

// The names of the set bits a word has, in bit order, for the record's vendor.
TEST(FeatureFlagsTest, PresentFeaturesOfARecord) {
    ProcessorRecord record = {};
    record.vendorIndex = 0;
    record.extFeaturesEcx = 1u << 31 | 1u << 14 | 1u << 5 | 1u << 0;   // bits 14 and 31 reserved
    std::string names;
    for (uint32_t bit = 0; bit < 33; ++bit) {
        const FeatureFlag* flag = PresentFeature(record, kWordExtFeaturesEcx, bit);
        if (flag != nullptr) names += std::string(flag->osName) + "/" + flag->sheetText + " ";
    }
    EXPECT_EQ(names, "lahf_lm/LAHF / SAHF in Long Mode abm/LZCNT Instruction ");
    EXPECT_EQ(PresentFeature(record, kFeatureWordCount, 0), nullptr);
}
