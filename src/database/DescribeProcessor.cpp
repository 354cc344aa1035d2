// DescribeProcessor: the best-fitting database entry for the processor record, found by ever
// looser passes over the processor table, and its texts and class statistics.
#include "database/DescribeProcessor.h"

#include "cache/CacheGrid.h"
#include "cpu/ProcessorRecord.h"
#include "cpu/VendorTable.h"
#include "database/DatabaseTables.h"
#include "resource.h"
#include "text/TextRoutines.h"

namespace {

constexpr uint32_t kTransmeta = 3;
constexpr char kNotFound[] = "Not Found";
constexpr char kUnknownNewProcessor[] = "Unknown New Processor";

// Controls of the Main page (ids shared with the database page where both show a field) and of
// the database page.
constexpr int kVendor = IDC_MAIN_VENDOR;
constexpr int kType = IDC_MAIN_TYPE;
constexpr int kStepping = IDC_MAIN_STEPPING;
constexpr int kFamily = IDC_MAIN_FAMILY;
constexpr int kModelLine = IDC_MAIN_MODEL;
constexpr int kBrandRow = IDC_MAIN_BRAND_ID;
constexpr int kBrandString = IDC_MAIN_BRAND_STRING;
constexpr int kCodeName = IDC_MAIN_CODE_NAME;
constexpr int kProcessor = IDC_MAIN_PROCESSOR;

struct SummaryRow { int id; uint32_t CacheTotals::*first; uint32_t CacheTotals::*second; };
// clang-format off
constexpr SummaryRow kCacheSummary[] = {
//   control             total                         added to it
    {IDC_MAIN_L1_TOTAL,  &CacheTotals::l1Instruction,  &CacheTotals::l1Data},
    {IDC_MAIN_L1_DATA,   &CacheTotals::l1Data,         nullptr},
    {IDC_MAIN_L1_INST,   &CacheTotals::l1Instruction,  nullptr},
    {IDC_MAIN_L2,        &CacheTotals::l2,             nullptr},
    {IDC_MAIN_L3,        &CacheTotals::l3,             nullptr},
};
// clang-format on

// text + ", " + number, the form of every "name, number" row.
void TextAndNumber(const char* text, uint32_t number, char* output) {
    CopyText(text, output, kDescriptionTextSize);
    AppendText(", ", output, kDescriptionTextSize);
    AppendDecimal(static_cast<int32_t>(number), output, kDescriptionTextSize);
}

void NumberText(uint32_t number, char* output) {
    output[0] = '\0';
    AppendDecimal(static_cast<int32_t>(number), output, kDescriptionTextSize);
}

// The entry whose texts and class a matched position shows: a Transmeta processor of a later
// revision takes them from the Transmeta entry transmetaShift positions on, when there is one.
uint32_t TextSource(uint32_t position) {
    const ProcessorRecord& record = processorRecord;
    if (record.vendorIndex == kTransmeta && record.transmetaShift > 0 && describeState.showingDetected &&
        position + record.transmetaShift <= kDatabaseEntryCount &&
        EntryAt(position + record.transmetaShift).vendorIndex == kTransmeta)
        return position + record.transmetaShift;
    return position;
}

void ShowMatch(PageControls& page, uint32_t position) {
    ProcessorRecord& record = processorRecord;
    ProcessorDescription& texts = processorDescription;
    const DatabaseEntry& entry = EntryAt(TextSource(position));

    TextAndNumber(entry.modelText, DisplayModel(record.signature), texts.modelLineText);
    page.SetText(kModelLine, texts.modelLineText);
    if (entry.codeName != nullptr) {
        CopyText(entry.codeName, texts.codeNameText, kDescriptionTextSize);
        page.SetText(kCodeName, entry.codeName);
    } else {
        CopyText("Unknown", texts.codeNameText, kDescriptionTextSize);
        page.SetEnabled(kCodeName, false);
    }
    TextAndNumber(entry.familyName, DisplayFamily(record.signature), texts.familyText);
    page.SetText(kFamily, texts.familyText);
    char status[kDescriptionTextSize];
    TextAndNumber("Match", DisplayFamily(record.signature), status);
    page.SetText(IDC_DB_FAMILY_STATUS, status);
    CopyText(entry.processorName, texts.processorText, kDescriptionTextSize);
    if (record.brandId != 0 && !describeState.brandRelaxed) {
        TextAndNumber(entry.processorName, record.brandId, texts.brandText);
        page.SetText(kBrandRow, texts.brandText);
        TextAndNumber("Match", record.brandId, status);
        page.SetText(IDC_DB_BRAND_STATUS, status);
    } else {
        page.SetEnabled(kBrandRow, false);
        TextAndNumber("Unknown", record.brandId, texts.brandText);
        page.SetText(IDC_DB_BRAND_STATUS, texts.brandText);
    }
}

// Nothing matched: the page shows the bare numbers, and the report's texts say the same
// instead of keeping those of an earlier, different processor.
void ShowNoMatch(PageControls& page) {
    const ProcessorRecord& record = processorRecord;
    ProcessorDescription& texts = processorDescription;
    page.SetText(IDC_DB_TYPE_STATUS, kNotFound);
    page.SetEnabled(kCodeName, false);
    CopyText(kNotFound, texts.codeNameText, kDescriptionTextSize);
    NumberText(DisplayFamily(record.signature), texts.familyText);
    page.SetText(kFamily, texts.familyText);
    NumberText(DisplayModel(record.signature), texts.modelLineText);
    page.SetText(kModelLine, texts.modelLineText);
    texts.brandText[0] = '\0';
    if (record.brandId != 0 && !describeState.brandRelaxed) {
        NumberText(record.brandId, texts.brandText);
        page.SetText(kBrandRow, texts.brandText);
    } else {
        page.SetEnabled(kBrandRow, false);
    }
}

void ShowCacheSummary(PageControls& page) {
    for (const SummaryRow& row : kCacheSummary) {
        const uint32_t kilobytes = cacheTotals.*row.first + (row.second ? cacheTotals.*row.second : 0);
        if (kilobytes == 0) {
            page.SetText(row.id, "None");
            page.SetEnabled(row.id, false);
        } else {
            char text[kDecimalTextSize];
            DecimalText(static_cast<int32_t>(kilobytes), text);
            page.SetText(row.id, text);
        }
    }
}

void ShowClassStats(PageControls& page, const ClassStatsEntry& stats) {
    char text[kDescriptionTextSize] = "";
    if (stats.introduced.month == kUnknownMonth) {
        CopyText("Unknown", text, sizeof text);
    } else {
        CopyText(MonthName(stats.introduced.month), text, sizeof text);
        AppendDecimal(1900 + stats.introduced.year, text, sizeof text);
    }
    page.SetText(IDC_DB_STATS_DATE, text);
    page.SetText(IDC_DB_STATS_L1, stats.l1Text ? stats.l1Text : "");
    page.SetText(IDC_DB_STATS_L2, stats.l2Text ? stats.l2Text : "");
    page.SetText(IDC_DB_STATS_L3, stats.l3Text ? stats.l3Text : "");
    page.SetText(IDC_DB_L2_LIST, stats.l2Text ? stats.l2Text : "");
    NumberText(stats.gates.number, text);
    if (stats.gates.unit == kGatesThousands) AppendText("000", text, sizeof text);
    if (stats.gates.unit == kGatesMillions) AppendText(" Million", text, sizeof text);
    page.SetText(IDC_DB_STATS_GATES, text);
    NumberText(stats.frequency, text);
    AppendText(" MHz", text, sizeof text);
    page.SetText(IDC_DB_STATS_FREQ, text);
    NumberText(stats.busFrequency, text);
    AppendText(" MHz", text, sizeof text);
    page.SetText(IDC_DB_STATS_BUS, text);
}

// Family 15 stands at position 7 of the family list; a position past a list's end leaves it
// without a selection.
void SetSelectors(PageControls& page) {
    const ProcessorRecord& record = processorRecord;
    page.SetSelection(IDC_DB_FAMILY_LIST, static_cast<int>(record.cpuFamily == 15 ? 7 : record.cpuFamily));
    page.SetSelection(IDC_DB_VENDOR_LIST, static_cast<int>(record.vendorIndex));
    page.SetSelection(IDC_DB_BRAND_LIST, static_cast<int>(record.brandId));
    page.SetSelection(IDC_DB_TYPE_LIST, static_cast<int>(record.cpuType));
    char model[kDecimalTextSize];
    DecimalText(static_cast<int32_t>(record.cpuModel), model);
    page.SetText(IDC_DB_MODEL, model);
}

}  // namespace

const char* TypeName(uint32_t cpuType) {
    static constexpr const char* kTypeNames[] = {"Original OEM Processor, 0", "OverDrive Processor, 1",
                                                 "Dual Processor, 2", "Unknown Type, 3"};
    return cpuType < 4 ? kTypeNames[cpuType] : "";
}

// The 2004 table describes Transmeta's signatures; AMD's without extended bits; Intel's without
// extended bits but for the Core and Core 2 models of family 6 (14 and 15) and the Pentium 4
// models from the 90 nm Prescott (family 15, model 3) on. The relaxation reaches the 2004
// entries only from such signatures, so nothing newer wears an old name.
bool WithinSeedTable(uint32_t vendorIndex, uint32_t signature) {
    if (vendorIndex == kTransmeta) return true;
    if ((signature & 0x0FFF0000) != 0 || (vendorIndex != kVendorIntel && vendorIndex != kVendorAmd)) return false;
    const uint32_t family = (signature >> 8) & 0xF;
    const uint32_t model = (signature >> 4) & 0xF;
    return vendorIndex == kVendorAmd || (family == 6 && model <= 13) || (family == 15 && model <= 2) ||
           (family != 6 && family != 15);
}

void MatchPass(PageControls& page, uint32_t searchSignature) {
    DescribeState& state = describeState;
    ProcessorRecord& record = processorRecord;
    state.vendorMissed = 1;
    state.signatureMissed = 1;
    const uint32_t signatureMask = state.steppingRelaxed ? ~0xFu : ~0u;
    // Past the 2004 table, a 2004 entry still answers its own exact keys (the database page's
    // Find), but no relaxed search reaches it.
    const bool laterEntriesOnly =
        state.withinModel && (searchSignature != record.signature || state.steppingRelaxed);
    for (uint32_t position = 1; EntryFirstWord(position) != kTableEndWord; ++position) {
        const DatabaseEntry& entry = EntryAt(position);
        const bool browse = state.browseRequest != 0;
        if (browse) {
            if (position != state.matchedEntry) continue;
            record.vendorIndex = entry.vendorIndex;
        } else if (entry.vendorIndex != record.vendorIndex || (laterEntriesOnly && position <= kSeedEntryCount)) {
            continue;
        }
        state.statsKey = entry.statsKey;
        state.vendorMissed = 0;
        if (browse) {
            searchSignature = entry.signature;
            record.signature = entry.signature;
            record.cpuFamily = (searchSignature >> 8) & 0xF;
            record.cpuStepping = searchSignature & 0xF;
            record.cpuModel = (searchSignature >> 4) & 0xF;
            record.cpuType = (searchSignature >> 12) & 0x7;
        } else if ((entry.signature & signatureMask) != (searchSignature & signatureMask)) {
            continue;
        }
        state.signatureMissed = 0;
        if (browse) {
            record.brandId = entry.brandId;
        } else if (entry.brandId != record.brandId && !state.brandRelaxed) {
            continue;
        }
        if (!browse && entry.l2Units != 0 && entry.l2Units * 16u != cacheTotals.l2 && !state.l2Relaxed) {
            state.signatureMissed = 1;
            continue;
        }
        ShowMatch(page, position);
        state.matchedEntry = position;
        state.browseRequest = 0;
        return;
    }
}

// Step 3 walks the search signature down one at a time: through the steppings of a model and,
// by borrowing, into the next lower model, down to model 0, where it takes one more step
// (into the next lower family) and moves on. Step 2 stops comparing L2 sizes for the rest of
// the loop: setting the L2 total to 0 would only repeat the pass that just failed. Step 1
// tries the family's base signature, model and stepping 0, extended bits dropped.
// A signature beyond the 2004 table stays within its own model: the walk stops at stepping 0,
// and step 1 takes any stepping of the model instead of the family's base.
void RelaxSearch(DescribeState& state, uint32_t& searchSignature, uint32_t recordSignature) {
    switch (state.relaxStep) {
    case 3:
        if (state.withinModel) {
            if ((searchSignature & 0xF) == 0) break;
            state.relaxStep = 4;
        } else if (((searchSignature >> 4) & 0xF) != 0) {
            state.relaxStep = 4;
        }
        searchSignature -= 1;
        break;
    case 2:
        state.l2Relaxed = 1;
        break;
    case 1:
        if (state.withinModel)
            state.steppingRelaxed = 1;
        else
            searchSignature = recordSignature & 0xFF00;
        break;
    }
    state.relaxStep -= 1;
}

void DescribeProcessor(PageControls& page) {
    DescribeState& state = describeState;
    const ProcessorRecord& record = processorRecord;
    ProcessorDescription& texts = processorDescription;
    // A browse request lands on an entry: stepping before the first or past the last entry
    // stays there, so no request is left pending and the display follows the selectors.
    if (!state.browseRequest) {
        state.matchedEntry = 0;
    } else if (state.matchedEntry < 1) {
        state.matchedEntry = 1;
    } else if (state.matchedEntry > kDatabaseEntryCount) {
        state.matchedEntry = kDatabaseEntryCount;
    }

    page.SetText(kBrandRow, "");
    page.SetEnabled(kBrandRow, true);
    page.SetText(kBrandString, "");
    page.SetEnabled(kBrandString, true);
    page.SetText(kCodeName, kNotFound);
    page.SetEnabled(kCodeName, true);
    page.SetEnabled(kType, true);
    page.SetText(IDC_DB_FAMILY_STATUS, kNotFound);
    page.SetText(IDC_DB_TYPE_STATUS, "Match");

    state.brandRelaxed = 0;
    state.l2Relaxed = 0;
    state.steppingRelaxed = 0;
    state.withinModel = !WithinSeedTable(record.vendorIndex, record.signature);
    state.relaxStep = 3;
    uint32_t search = record.signature;
    for (;;) {
        MatchPass(page, search);
        if (state.matchedEntry != 0 || state.relaxStep == 0 || state.vendorMissed || state.browseRequest) break;
        if (state.signatureMissed) {
            RelaxSearch(state, search, record.signature);
        } else if (!state.brandRelaxed) {
            // The last entry with the signature failed on the brand ID: try it again without.
            state.brandRelaxed = 1;
            page.SetText(IDC_DB_BRAND_STATUS, kNotFound);
        } else {
            break;   // cannot happen: a relaxed brand either matches or misses on the L2 size
        }
    }

    if (state.matchedEntry == 0) ShowNoMatch(page);
    ShowCacheSummary(page);
    char number[kDecimalTextSize];
    DecimalText(static_cast<int32_t>(record.cpuStepping), number);
    page.SetText(kStepping, number);

    const char* vendor = VendorAt(record.vendorIndex).vendorString;
    page.SetText(kVendor, vendor);
    page.SetText(IDC_DB_VENDOR_STRING, vendor);
    CopyText(vendor, texts.vendorText, kDescriptionTextSize);

    // The brand string is shown as reported, the name from its first character that is not a
    // blank or a tab. Without a brand string or a match the processor is unknown.
    if (record.brandStringValid) {
        page.SetText(kBrandString, record.brandString);
        TrimLeading(record.brandString, texts.processorText, kDescriptionTextSize);
    } else {
        page.SetEnabled(kBrandString, false);
        if (state.matchedEntry == 0) CopyText(kUnknownNewProcessor, texts.processorText, kDescriptionTextSize);
    }

    if (record.cpuType < 4) {
        page.SetText(kType, TypeName(record.cpuType));
        CopyText(TypeName(record.cpuType), texts.typeText, kDescriptionTextSize);
    } else {
        page.SetEnabled(kType, false);
        page.SetText(IDC_DB_TYPE_STATUS, kNotFound);
        CopyText(kNotFound, texts.typeText, kDescriptionTextSize);
    }

    // The class follows the entry that supplied the texts: keys are not in table order, so
    // adding the shift to the matched entry's key would name another processor's class.
    state.statsKey = state.matchedEntry == 0 ? 0 : EntryAt(TextSource(state.matchedEntry)).statsKey;
    ShowClassStats(page, ClassStatsFor(state.statsKey));
    page.SetText(kProcessor, texts.processorText);
    SetSelectors(page);
    if (state.showingDetected) {
        DecimalText(static_cast<int32_t>(cacheTotals.l2), number);
        page.SetText(IDC_DB_L2_LIST, number);
    }
}
