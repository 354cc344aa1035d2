// The database page: family lists, search keys, Find with its model scan, stepping and Reset (any
// selector states and actions: tests/fuzz/DescribeFuzz.cpp).
#include <string>

#include "cache/RecordingNotice.h"
#include "cpu/CpuidDump.h"
#include "database/DescribeFixture.h"
#include "probe/ProbeProcessor.h"

namespace {

class DatabasePageTest : public DescribeTest {
protected:
    // The selectors as a user leaves them: -1 for a list without a selection.
    void Select(int vendor, int type, int familyPosition, const char* model, int brand, const char* l2) {
        database.SetSelection(IDC_DB_VENDOR_LIST, vendor);
        FillFamilyList(database);
        database.SetSelection(IDC_DB_TYPE_LIST, type);
        database.SetSelection(IDC_DB_FAMILY_LIST, familyPosition);
        database.SetText(IDC_DB_MODEL, model);
        database.SetSelection(IDC_DB_BRAND_LIST, brand);
        database.SetText(IDC_DB_L2_LIST, l2);
    }
    std::vector<std::string> Families() { return database[IDC_DB_FAMILY_LIST].items; }
};

// Every entry names the family the list shows for its vendor and family (family 15 at position
// 7); the announced processors (key 255, with family 15 keys) name the list's last family.
TEST_F(DatabasePageTest, FamilyListFollowsTheVendorAndNamesEveryEntrysFamily) {
    for (uint32_t position = 1; position <= kDatabaseEntryCount; ++position) {
        const DatabaseEntry& entry = EntryAt(position);
        processorRecord.vendorIndex = entry.vendorIndex;
        processorRecord.cpuFamily = (entry.signature >> 8) & 0xF;
        FillFamilyList(database);
        const int shown = entry.statsKey == 255 ? 8 : database.GetSelection(IDC_DB_FAMILY_LIST);
        ASSERT_GE(shown, 0) << position;
        EXPECT_EQ(Families()[shown], entry.familyName) << position;
    }
    // Transmeta's and any other vendor's last family; families 9-14 have no position.
    const struct { uint32_t vendor, family; int selected; } others[] = {{3, 5, 5}, {6, 9, -1}};
    for (const auto& c : others) {
        processorRecord.vendorIndex = c.vendor;
        processorRecord.cpuFamily = c.family;
        FillFamilyList(database);
        ASSERT_EQ(Families().size(), 9u) << c.vendor;
        EXPECT_EQ(Families()[8], "Pentium(R) 5") << c.vendor;
        EXPECT_EQ(database.GetSelection(IDC_DB_FAMILY_LIST), c.selected) << c.vendor;
    }
}

TEST_F(DatabasePageTest, SearchKeysBuildTheSignature) {
    const struct { int vendor, type, family; const char* model; int brand; const char* l2;
                   uint32_t signature, brandId, l2Total; } cases[] = {
        {3, 0, 5, "4", 0, "256", 0x0543, 0, 256},
        {3, 0, 5, "4", 0, "0", 0x0542, 0, 0},          // Transmeta without L2: stepping 2
        {0, 0, 6, "16", 5, "512 on die", 0x0700, 5, 512},   // model 16 carries into the family
        {0, 1, 5, " 7x", 5, "Up to 512 (Ext)", 0x1570, 0, 0},   // no brand below family 6
        {0, -1, 7, "", -1, "", 0xFFFFFF00, 0xFFFFFFFF, 0},      // unselected lists read as -1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.signature);
        Select(c.vendor, c.type, c.family, c.model, c.brand, c.l2);
        ReadSearchKeys(database);
        EXPECT_EQ(processorRecord.signature, c.signature);
        EXPECT_EQ(processorRecord.brandId, c.brandId);
        EXPECT_EQ(cacheTotals.l2, c.l2Total);
        EXPECT_EQ(processorRecord.brandStringValid, 0u);
    }
}

TEST_F(DatabasePageTest, FindExamples) {
    const struct { int vendor, familyPosition; const char *model, *l2; uint32_t entry; const char* shownModel; } cases[] = {
        {3, 5, "4", "256", 126, "4"}, {3, 5, "4", "512", 128, "4"}, {3, 5, "4", "0", 125, "4"},
        {0, 7, "4", "", 80, "4"},   // "No Brand" finds the announced Pentium 5
        {1, 7, "9", "", 124, "9"},
        {1, 7, "2", "", 109, "4"},  // the scan: AMD family 15 has no model below 4, not even a base 0F00
        {1, 8, "3", "", 0, "0"},    // family 8 has no entry: after the scan the model reads 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        Select(c.vendor, 0, c.familyPosition, c.model, 0, c.l2);
        SearchDatabase(database);
        EXPECT_EQ(describeState.matchedEntry, c.entry);
        EXPECT_EQ(database[IDC_DB_MODEL].text, c.shownModel);
        EXPECT_EQ(database[IDC_DB_PROCESSOR].text, c.entry ? EntryAt(c.entry).processorName : "Unknown New Processor");
    }
}

TEST_F(DatabasePageTest, StepsStayWithinTheTableAndFindReadsTheClassL2) {
    BrowseDatabase(database, +1);   // nothing matched before: entry 1
    EXPECT_EQ(describeState.matchedEntry, 1u);
    BrowseDatabase(database, -1);
    EXPECT_EQ(describeState.matchedEntry, 1u);
    describeState.matchedEntry = 125;
    BrowseDatabase(database, +1);
    EXPECT_EQ(database[IDC_DB_PROCESSOR].text, "Transmeta Crusoe TM5400");
    EXPECT_EQ(database[IDC_DB_L2_LIST].text, "256 on die");
    EXPECT_EQ(database.GetSelection(IDC_DB_VENDOR_LIST), 3);
    EXPECT_EQ(Families()[5], "TM3x00 / TM5x00 / TM8xx0");
    SearchDatabase(database);       // reads 256 from "256 on die"
    EXPECT_EQ(describeState.matchedEntry, 126u);
    describeState.matchedEntry = 133;
    BrowseDatabase(database, +1);
    EXPECT_EQ(describeState.matchedEntry, 133u);
    EXPECT_EQ(describeState.browseRequest, 0u);
}

TEST_F(DatabasePageTest, ResetShowsTheDetectedProcessorAgain) {
    CpuidDump cpu;
    RecordingNotice notice;
    ASSERT_EQ(cpu.LoadFile(TIVREL_DUMP_DIR "/intel-pentium-iii-coppermine.txt"), CpuidDump::LoadResult::kLoaded);
    ProbeProcessor(cpu, notice);
    ShowDetectedProcessor(database);
    EXPECT_EQ(describeState.matchedEntry, 43u);
    BrowseDatabase(database, +1);
    EXPECT_EQ(describeState.matchedEntry, 44u);
    ProbeProcessor(cpu, notice);
    ShowDetectedProcessor(database);
    EXPECT_EQ(describeState.matchedEntry, 43u);
    EXPECT_EQ(database[IDC_DB_L2_LIST].text, "256");
    EXPECT_EQ(database.GetSelection(IDC_DB_BRAND_LIST), 2);
}

}  // namespace
