// The database page: browsing, search keys, Find's model scan and Reset (any actions and selector
// states: tests/fuzz/DescribeFuzz.cpp; Find examples that land on their entry: tests/ui/scenarios/database.sh).
#include <string>

#include "database/ClassCommentary.h"
#include "database/DescribeFixture.h"

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

// Next from the entry before shows every entry with its own keys, class and family (family 15
// at position 7 of the list; the announced processors, key 255, name the list's last family),
// whatever the detected L2 total and Transmeta revision: 128 shows its own class 57, not 130's
// 58. Browsing rebuilds the record from the signature, type and extended bits included; the
// entries after 2004 name their own family, which the family row shows with the display family
// while the list selects the position of the family digit.
TEST_F(DatabasePageTest, NextShowsEachEntryWithItsOwnKeysClassAndFamily) {
    Detected(3, 0x0543, 0, 64);   // a Transmeta part with 64 KB of L2
    processorRecord.transmetaShift = 2;
    FakePageControls main{IDC_MAIN_FAMILY};
    for (uint32_t position = 1; position <= kDatabaseEntryCount; ++position) {
        SCOPED_TRACE(position);
        const DatabaseEntry& entry = EntryAt(position);
        describeState.matchedEntry = position - 1;
        BrowseDatabase(database, +1);
        ASSERT_EQ(describeState.matchedEntry, position);
        EXPECT_EQ(describeState.statsKey, entry.statsKey);
        EXPECT_EQ(ClassStatsFor(entry.statsKey).key, entry.statsKey);
        EXPECT_EQ(processorRecord.signature, entry.signature);
        EXPECT_EQ(database[IDC_DB_PROCESSOR].text, entry.processorName);
        EXPECT_EQ(database.GetSelection(IDC_DB_VENDOR_LIST), static_cast<int>(entry.vendorIndex));
        EXPECT_EQ(database[IDC_DB_MODEL].text, std::to_string((entry.signature >> 4) & 0xF));
        EXPECT_EQ(database[IDC_DB_COMMENTARY].text, ClassCommentary(entry.statsKey));
        EXPECT_NE(database[IDC_DB_L2_LIST].text, "64");   // the class's text, never the detected total
        ASSERT_EQ(Families().size(), 9u);
        const uint32_t digit = (entry.signature >> 8) & 0xF;
        const int shown = entry.statsKey == 255 ? 8 : database.GetSelection(IDC_DB_FAMILY_LIST);
        ASSERT_EQ(shown, entry.statsKey == 255 ? 8 : static_cast<int>(digit == 15 ? 7 : digit));
        if (position <= kSeedEntryCount) {
            EXPECT_EQ(Families()[shown], entry.familyName);
        }
        if (position > kSeedEntryCount) {   // found again from its keys, as the Main page shows it
            DescribeProcessor(main);
            EXPECT_EQ(main[IDC_MAIN_FAMILY].text, std::string(entry.familyName) + ", " + std::to_string(DisplayFamily(entry.signature)));
        }
    }
}

// Prev with nothing matched and Next past the last entry stay within the table; the class
// statistics in their units.
TEST_F(DatabasePageTest, StepsStayWithinTheTableAndShowTheClassStatistics) {
    const struct { uint32_t from; int step; uint32_t shown; const char *date, *gates, *freq, *bus; } cases[] = {
        {0, -1, 1, "Oct 1971", "2000", "0 MHz", "0 MHz"},   // nothing matched before
        {133, +1, 134, "Feb 2004", "125 Million", "3400 MHz", "200 MHz"},   // the first entry after 2004
        {kDatabaseEntryCount, +1, kDatabaseEntryCount, "Dec 2023", "0", "3200 MHz", "0 MHz"},   // unknown: 0
        {81, -1, 80, "Jun 2007", "199 Million", "5000 MHz", "800 MHz"},   // key 255, announced processors
        {21, -1, 20, "Mar 1993", "3100000", "66 MHz", "66 MHz"},          // key 1, thousands
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        describeState.matchedEntry = c.from;
        BrowseDatabase(database, c.step);
        EXPECT_EQ(describeState.matchedEntry, c.shown);
        EXPECT_EQ(database[IDC_DB_STATS_DATE].text, c.date);
        EXPECT_EQ(database[IDC_DB_STATS_GATES].text, c.gates);
        EXPECT_EQ(database[IDC_DB_STATS_FREQ].text, c.freq);
        EXPECT_EQ(database[IDC_DB_STATS_BUS].text, c.bus);
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
        {0, 0, 6, "4294967296", 0, "", 0x0C30, 0, 0},           // a number past the up-down's 99 reads as 99
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

// A signature without an entry makes Find try models 0 to 16: AMD family 15 has no model below
// 4, not even a base 0F00. A family without any entry leaves the model field at 0.
TEST_F(DatabasePageTest, FindScansTheModelsWhenTheSignatureHasNoEntry) {
    const struct { int familyPosition; const char* model; uint32_t found; const char* foundModel; } cases[] = {
        {7, "2", 109, "4"}, {8, "3", 0, "0"}};
    for (const auto& c : cases) {
        Select(1, 0, c.familyPosition, c.model, 0, "");
        SearchDatabase(database);
        EXPECT_EQ(describeState.matchedEntry, c.found);
        EXPECT_EQ(database[IDC_DB_MODEL].text, c.foundModel);
    }
}

// Reset after browsing shows the record probed afresh with its selectors (a brand past the list
// selects nothing) and its measured L2 total, not its class's "512 on die".
TEST_F(DatabasePageTest, ResetShowsTheDetectedProcessorWithItsSelectors) {
    const struct { uint32_t signature, brandId; int brand, type; } cases[] = {{0x0F29, 9, 9, 0}, {0x3F29, 23, -1, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.brandId);
        Detected(0, c.signature, c.brandId, 512);   // Intel
        describeState.showingDetected = 0;   // as browsing leaves it
        ShowDetectedProcessor(database);
        EXPECT_EQ(database[IDC_DB_L2_LIST].text, "512");
        EXPECT_EQ(database.GetSelection(IDC_DB_FAMILY_LIST), 7);   // family 15
        EXPECT_EQ(database.GetSelection(IDC_DB_BRAND_LIST), c.brand);
        EXPECT_EQ(database.GetSelection(IDC_DB_TYPE_LIST), c.type);
    }
}

}  // namespace
