// The persistent state of the processor description and the texts it leaves for the report.
#pragma once
#include <cstddef>
#include <cstdint>

struct DescribeState {
    uint32_t showingDetected;   // set by the caller: the record holds the probe's own results
    uint32_t browseRequest;     // the next call resolves position matchedEntry instead of matching
    uint32_t matchedEntry;      // position of the matched entry, 0 when none; the browse target
    uint32_t statsKey;          // class stats to show
    uint32_t vendorMissed;      // the last pass found no entry of the vendor
    uint32_t signatureMissed;   // ... none with the signature, or the last such failed on the L2 size
    uint32_t brandRelaxed;      // brand IDs are no longer compared
    uint32_t l2Relaxed;         // L2 sizes are no longer compared
    uint32_t withinModel;       // the signature lies beyond the 2004 table: only later entries, of its model
    uint32_t steppingRelaxed;   // ... and at last any stepping of that model
    uint32_t relaxStep;         // countdown of the relaxation, from 3
};

constexpr size_t kDescriptionTextSize = 128;

// The texts the report prints.
struct ProcessorDescription {
    char processorText[kDescriptionTextSize];
    char vendorText[kDescriptionTextSize];
    char typeText[kDescriptionTextSize];
    char familyText[kDescriptionTextSize];
    char modelLineText[kDescriptionTextSize];
    char codeNameText[kDescriptionTextSize];
    char brandText[kDescriptionTextSize];
};

// Written by DescribeProcessor and steered by the database page; zero at start-up.
extern DescribeState describeState;
extern ProcessorDescription processorDescription;
