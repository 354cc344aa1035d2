// The feature words of the processor record, each bit by name: what the flag pages, the report
// and tivrel-cpuid show.
#pragma once
#include <cstdint>

#include "cpu/ProcessorRecord.h"
#include "ui/PageControls.h"

// A row for every vendor, or for one vendor index whose manual names the bit its own way.
constexpr uint8_t kAnyVendor = 0xFF;

struct FeatureFlag {
    uint8_t bit;
    uint8_t vendor;          // kAnyVendor or a vendorIndex
    const char* sheetText;   // the label on the flag pages, also the report's name
    const char* osName;      // the operating system's name (/proc/cpuinfo); "" for none
};

struct FeatureWord {
    const char* fieldName;   // the record's field, as tivrel-cpuid names it
    const char* label;       // "Standard EDX": the pages' headings add " Feature Flags"
    int controlBase;         // the label of bit n has id controlBase + n
    const FeatureFlag* flags;
    uint32_t flagCount;
};

// The words in record order: the three of the first flag pages, then the later ones.
enum FeatureWordIndex : uint32_t {
    kWordFeaturesEdx,
    kWordFeaturesEcx,
    kWordExtFeaturesEdx,
    kWordLeaf7Ebx,
    kWordLeaf7Ecx,
    kWordLeaf7Edx,
    kWordLeaf7Sub1Eax,
    kWordExtFeaturesEcx,
    kFeatureWordCount
};

const FeatureWord& FeatureWordAt(uint32_t index);
uint32_t FeatureWordValue(const ProcessorRecord& record, uint32_t index);
// The running vendor's row for bit, else the row for any vendor; nullptr for an unnamed bit.
const FeatureFlag* FindFeatureFlag(const FeatureWord& word, uint32_t bit, uint32_t vendorIndex);
// The row of a bit the record has set in word index, for its vendor; nullptr when clear or unnamed.
const FeatureFlag* PresentFeature(const ProcessorRecord& record, uint32_t index, uint32_t bit);

// Disables control base + n for every clear bit n of word the page has; never enables.
void DisableAbsentFeatures(PageControls& page, int base, uint32_t word);
// Every flag page: labels greyed for clear bits, and the running vendor's names where its
// manual names a bit its own way.
void ShowFeatureFlags(PageControls& page, const ProcessorRecord& record);
