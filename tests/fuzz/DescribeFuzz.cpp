// The description and the Database page over any record and any series of the page's actions:
// no browse request is left pending, the entry shown stays inside the table, every text ends
// inside its buffer, and after Find the selectors and the display name one processor.
#include "FakePageControls.h"
#include "FuzzInput.h"
#include "cache/CacheGrid.h"
#include "cpu/ProcessorRecord.h"
#include "cpu/VendorTable.h"
#include "database/DatabasePage.h"
#include "database/DatabaseTables.h"
#include "database/DescribeState.h"
#include "resource.h"

namespace {

constexpr int kLists[] = {IDC_DB_VENDOR_LIST, IDC_DB_TYPE_LIST, IDC_DB_FAMILY_LIST, IDC_DB_BRAND_LIST};

void RequireOneProcessorFound(const FakePageControls& page) {
    const uint32_t vendor = processorRecord.vendorIndex;
    Require(page.GetSelection(IDC_DB_VENDOR_LIST) == (vendor < kVendorCount ? static_cast<int>(vendor) : -1), "the vendor selected");
    if (describeState.matchedEntry == 0) {
        Require(page[IDC_DB_PROCESSOR].text == "Unknown New Processor", "no entry, an unknown processor");
        return;
    }
    const DatabaseEntry& entry = EntryAt(describeState.matchedEntry);
    Require(page[IDC_DB_PROCESSOR].text == entry.processorName && entry.vendorIndex == vendor, "the entry found is shown");
    Require(page[IDC_DB_MODEL].text == std::to_string(processorRecord.cpuModel), "the model field shows its model");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    processorRecord = {};
    describeState = {};
    ProcessorRecord& record = processorRecord;
    record.vendorIndex = in.Byte() % 12;
    record.signature = in.Word();
    record.cpuFamily = in.Byte() % 16;
    record.cpuModel = in.Byte() % 16;
    record.cpuStepping = in.Byte() % 16;
    record.cpuType = in.Byte() % 8;
    record.brandId = in.Byte();
    in.Text(record.brandString, sizeof record.brandString);
    record.brandStringValid = in.Byte() & 1;
    record.transmetaShift = in.Byte() % 4;
    cacheTotals.l2 = in.Word();
    describeState.showingDetected = in.Byte() & 1;
    describeState.matchedEntry = in.Byte();   // a browse request for any position, in the table or not
    describeState.browseRequest = in.Byte() & 1;
    std::vector<int> ids;   // every control of the Main and Database pages
    for (int id = 1000; id < 1300; ++id) ids.push_back(id);
    for (int id = 1600; id < 1700; ++id) ids.push_back(id);
    FakePageControls page(ids);
    FillDatabaseLists(page);
    DescribeDatabaseEntry(page);
    for (int action = 0; action < 64 && in.Left() > 0; ++action) {
        char text[16];
        switch (in.Byte() % 7) {
        case 0:
            SearchDatabase(page);
            RequireOneProcessorFound(page);
            break;
        case 1: BrowseDatabase(page, 1); break;
        case 2: BrowseDatabase(page, -1); break;
        case 3: ChooseVendor(page); break;
        case 4: page.SetSelection(kLists[in.Byte() % 4], static_cast<int8_t>(in.Byte())); break;
        case 5:
            in.Text(text, sizeof text);
            page.SetText(in.Byte() & 1 ? IDC_DB_MODEL : IDC_DB_L2_LIST, text);
            break;
        case 6: ShowDetectedProcessor(page); break;
        }
        Require(describeState.browseRequest == 0, "no browse request is left pending");
        Require(describeState.matchedEntry <= kDatabaseEntryCount, "the entry shown is inside the table");
        const ProcessorDescription& texts = processorDescription;
        for (const char* described : {texts.processorText, texts.vendorText, texts.typeText, texts.familyText,
                                      texts.modelLineText, texts.codeNameText, texts.brandText})
            Require(Terminated(described, kDescriptionTextSize), "every description text ends inside its buffer");
    }
    return 0;
}
