// The database page: selectors into search keys, and the searches and steps through the table.
#include "database/DatabasePage.h"

#include "cache/CacheGrid.h"
#include "cpu/ProcessorRecord.h"
#include "cpu/VendorTable.h"
#include "database/ClassCommentary.h"
#include "database/DatabaseTables.h"
#include "database/DescribeProcessor.h"
#include "database/DescribeState.h"
#include "resource.h"
#include "text/TextRoutines.h"

namespace {

constexpr uint32_t kAmd = 1;
constexpr uint32_t kTransmeta = 3;
constexpr int kModelScanLimit = 17;   // models 0 to 16

// Positions 0-3 are the same for every vendor; 4-8 follow the vendor. Position 7 stands for
// family 15, so position 8 (family 8) matches no entry.
constexpr const char* kCommonFamilies[] = {kFamily4004, kFamily8186, kFamily286, kFamily386};
// clang-format off
constexpr const char* kVendorFamilies[][5] = {
//   4                  5               6                   7                 8
    {kFamily486,        kFamilyPentium, kFamilyPentiumPro,  kFamilyPentium4,  kFamilyPentium5},   // any other vendor
    {kFamilyAm486,      kFamilyK5K6,    kFamilyK7,          kFamilyK8,        kFamilyK9},         // AMD
    {kFamily486,        kFamilyCrusoe,  kFamilyPentiumPro,  kFamilyPentium4,  kFamilyPentium5},   // Transmeta
};

// Position = brand ID (leaf 1 EBX bits 0-7).
constexpr const char* kBrandNames[] = {
    "No Brand",                                     //  0
    "Intel(R) Celeron(R) Processor",                //  1
    "Intel(R) Pentium(R) III Processor",            //  2
    "Intel(R) Pentium(R) III Xeon(TM) Processor",   //  3
    "Intel(R) Pentium(R) III Processor",            //  4
    "No Brand",                                     //  5
    "Mobile Intel(R) Pentium(R) III Processor-M",   //  6
    "Mobile Intel(R) Celeron(R) Processor",         //  7
    "Intel(R) Pentium(R) 4 Processor",              //  8
    "Intel(R) Pentium(R) 4 Processor",              //  9
    "Intel(R) Celeron(R) Processor",                // 10
    "Intel(R) Xeon(TM) Processor",                  // 11
    "Intel(R) Xeon(TM) Processor MP",               // 12
    "No Brand",                                     // 13
    "Mobile Intel(R) Pentium(R) 4 Processor-M",     // 14
    "Mobile Intel(R) Celeron(R) Processor",         // 15
    "Unknown New Processor",                        // 16
    "Unknown New Processor",                        // 17
    "Intel(R) Celeron(R) M Processor",              // 18
    "Unknown New Processor",                        // 19
    "Unknown New Processor",                        // 20
    "Unknown New Processor",                        // 21
    "Intel(R) Pentium(R) M Processor",              // 22
};
// clang-format on
static_assert(sizeof kBrandNames / sizeof kBrandNames[0] == 23, "brand IDs 0-22");

void FillList(PageControls& page, int id, const char* const* texts, int count) {
    for (int position = 0; position < count; ++position) page.InsertItem(id, position, texts[position]);
}

// The class's commentary, which only this page shows (so the description's other users, the
// Main page, the report and tivrel-cpuid, do without its texts).
void ShowCommentary(PageControls& page) {
    page.SetText(IDC_DB_COMMENTARY, ClassCommentary(describeState.statsKey));
}

}  // namespace

void FillFamilyList(PageControls& page) {
    const ProcessorRecord& record = processorRecord;
    const int row = record.vendorIndex == kAmd ? 1 : record.vendorIndex == kTransmeta ? 2 : 0;
    page.ClearItems(IDC_DB_FAMILY_LIST);
    FillList(page, IDC_DB_FAMILY_LIST, kCommonFamilies, 4);
    for (int position = 4; position <= 8; ++position)
        page.InsertItem(IDC_DB_FAMILY_LIST, position, kVendorFamilies[row][position - 4]);
    // Families 9 to 14 have no position and leave the list without a selection.
    const uint32_t family = record.cpuFamily;
    page.SetSelection(IDC_DB_FAMILY_LIST, static_cast<int>(family > 14 ? family - 8 : family));
}

void FillDatabaseLists(PageControls& page) {
    FillFamilyList(page);
    for (int type = 0; type < 4; ++type) page.InsertItem(IDC_DB_TYPE_LIST, type, TypeName(static_cast<uint32_t>(type)));
    for (uint32_t vendor = 0; vendor < kVendorCount; ++vendor)
        page.InsertItem(IDC_DB_VENDOR_LIST, static_cast<int>(vendor), VendorAt(vendor).shortName);
    FillList(page, IDC_DB_BRAND_LIST, kBrandNames, 23);
    // 8 KB doubled eleven times.
    for (int position = 0; position < 12; ++position) {
        char size[kDecimalTextSize];
        DecimalText(8 << position, size);
        page.InsertItem(IDC_DB_L2_LIST, position, size);
    }
}

// A list without a selection reads as -1, all bits set: a type or family no entry has, a
// brand that is then relaxed. A model above 15 carries into the family digit.
void ReadSearchKeys(PageControls& page) {
    ProcessorRecord& record = processorRecord;
    record.vendorIndex = static_cast<uint32_t>(page.GetSelection(IDC_DB_VENDOR_LIST));
    record.cpuType = static_cast<uint32_t>(page.GetSelection(IDC_DB_TYPE_LIST));
    const uint32_t familyPosition = static_cast<uint32_t>(page.GetSelection(IDC_DB_FAMILY_LIST));
    record.cpuFamily = familyPosition == 7 ? 15 : familyPosition;
    record.brandId = record.cpuFamily >= 6 ? static_cast<uint32_t>(page.GetSelection(IDC_DB_BRAND_LIST)) : 0;
    char text[kDecimalTextSize + 100];
    page.GetText(IDC_DB_MODEL, text, sizeof text);
    // Bounded as the up-down control bounds it: a typed number of ten digits would otherwise
    // wrap the signature into another family and show as a negative model.
    const uint32_t model = ReadDecimal(text);
    record.cpuModel = model < kHighestModel ? model : kHighestModel;
    page.GetText(IDC_DB_L2_LIST, text, sizeof text);
    cacheTotals.l2 = ReadDecimal(text);
    page.SetText(IDC_DB_TYPE_STATUS, "Not Found");
    page.SetText(IDC_DB_BRAND_STATUS, "Not Found");
    record.brandStringValid = 0;
    // Transmeta parts tell their L2 by stepping: 2 without one, 3 with.
    record.cpuStepping = record.vendorIndex != kTransmeta ? 0 : cacheTotals.l2 == 0 ? 2 : 3;
    record.signature = record.cpuStepping + 16 * record.cpuModel + 256 * record.cpuFamily + 4096 * record.cpuType;
}

void SearchDatabase(PageControls& page) {
    ReadSearchKeys(page);
    describeState.showingDetected = 0;
    DescribeProcessor(page);
    for (int model = 0; model < kModelScanLimit && describeState.signatureMissed; ++model) {
        describeState.showingDetected = 0;
        char text[kDecimalTextSize];
        DecimalText(model, text);
        page.SetText(IDC_DB_MODEL, text);
        ReadSearchKeys(page);
        DescribeProcessor(page);
    }
    if (describeState.signatureMissed) page.SetText(IDC_DB_MODEL, "0");
    ShowCommentary(page);
}

void ChooseVendor(PageControls& page) {
    processorRecord.vendorIndex = static_cast<uint32_t>(page.GetSelection(IDC_DB_VENDOR_LIST));
    FillFamilyList(page);
}

// DescribeProcessor keeps the position within the table.
void BrowseDatabase(PageControls& page, int step) {
    DescribeState& state = describeState;
    processorRecord.brandStringValid = 0;
    if (step < 0 && state.matchedEntry > 0) --state.matchedEntry;
    if (step > 0) ++state.matchedEntry;
    state.showingDetected = 0;
    state.browseRequest = 1;
    DescribeDatabaseEntry(page);
    FillFamilyList(page);
}

void ShowDetectedProcessor(PageControls& page) {
    describeState.showingDetected = 1;
    FillFamilyList(page);
    DescribeDatabaseEntry(page);
}

void DescribeDatabaseEntry(PageControls& page) {
    DescribeProcessor(page);
    ShowCommentary(page);
}
