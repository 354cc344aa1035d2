// DescribeProcessor: the worked examples of the matching, what the pages show with and without
// a match, browsing with the class statistics, and the selectors.
#include <cstring>

#include "database/DescribeFixture.h"

namespace {

constexpr uint32_t kIntel = 0, kAmd = 1, kCyrix = 2, kTransmeta = 3;

struct MatchCase {
    const char* what;
    uint32_t vendor, signature, brandId, l2, transmetaShift, entry, statsKey;
    const char *processor, *codeName, *modelRow, *familyRow, *brandRow;   // brandRow "": the row greyed
};

// clang-format off
const MatchCase kMatches[] = {
    {"0686 walks down to 0680, where brand 2 picks entry 43", kIntel, 0x0686, 2, 256, 0, 43, 12,
     "Intel(R) Pentium(R) III Processor", "Coppermine / A80526", "0.18 \xB5m PIII / PIII Xeon / Celeron, 8",
     "Pentium(R) Pro/II/III/M, 6", "Intel(R) Pentium(R) III Processor, 2"},
    {"0690 brand 0: both entries fail on the brand, which is then dropped", kIntel, 0x0690, 0, 0, 0, 51, 17,
     "Intel(R) Pentium(R) M Processor", "Banias", "0.13 \xB5m Pentium M, 9", "Pentium(R) Pro/II/III/M, 6", ""},
    {"0F27 brand 9 walks to 0F25", kIntel, 0x0F27, 9, 0, 0, 73, 75,
     "Intel(R) Pentium(R) 4 Processor with HT Technology Extreme Edition", "Northwood",
     "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile, 2", "Pentium(R) 4, 15",
     "Intel(R) Pentium(R) 4 Processor with HT Technology Extreme Edition, 9"},
    {"0F0A brand 8 reaches the family base 0F00, never 0F03", kIntel, 0x0F0A, 8, 0, 0, 55, 18,
     "Intel(R) Pentium(R) 4 Processor", "Willamette", "180 nm P4 / Xeon, 0", "Pentium(R) 4, 15",
     "Intel(R) Pentium(R) 4 Processor, 8"},
    {"0650 without L2 falls through to the Celeron", kIntel, 0x0650, 0, 0, 0, 35, 6,
     "Intel(R) Celeron(R) Processor", "Covington", "0.25 \xB5m PII / PII Xeon / Celeron, 5",
     "Pentium(R) Pro/II/III/M, 6", ""},
    {"0650 with 1024 KB is the Xeon", kIntel, 0x0650, 0, 1024, 0, 32, 93,
     "Intel(R) Pentium(R) II Xeon Processor", "Deschutes / A80523", "0.25 \xB5m PII / PII Xeon / Celeron, 5",
     "Pentium(R) Pro/II/III/M, 6", ""},
    {"a later Transmeta revision takes texts and class from the entry two on", kTransmeta, 0x0543, 0, 512, 2, 128, 58,
     "Transmeta Crusoe TM5800", "TM5800", "0.13 \xB5m TM5x00, 4", "TM3x00 / TM5x00 / TM8xx0, 5", ""},
    {"Transmeta shift past the last entry keeps the entry's own texts and class", kTransmeta, 0x0544, 0, 1024, 2, 133, 80,
     "Transmeta Efficeon TM8xx0", "Astro", "0.09 \xB5m / 0.13 \xB5m TM8xx0, 4", "TM3x00 / TM5x00 / TM8xx0, 5", ""},
    {"a matched entry without code name", kIntel, 0x0610, 0, 0, 0, 29, 8,
     "Intel(R) Pentium(R) Pro Processor", "", "0.35 \xB5m Pentium Pro, 1", "Pentium(R) Pro/II/III/M, 6", ""},
};
// clang-format on

}  // namespace

TEST_F(DescribeTest, WorkedExamplesMatchTheirEntries) {
    for (const MatchCase& c : kMatches) {
        SCOPED_TRACE(c.what);
        SetUp();
        Detected(c.vendor, c.signature, c.brandId, c.l2);
        processorRecord.transmetaShift = c.transmetaShift;
        DescribeProcessor(main);
        EXPECT_EQ(describeState.matchedEntry, c.entry);
        EXPECT_EQ(describeState.statsKey, c.statsKey);
        EXPECT_EQ(main[IDC_MAIN_PROCESSOR].text, c.processor);
        EXPECT_STREQ(processorDescription.processorText, c.processor);
        EXPECT_EQ(main[IDC_MAIN_CODE_NAME].text, *c.codeName ? c.codeName : "Not Found");
        EXPECT_EQ(main[IDC_MAIN_CODE_NAME].enabled, *c.codeName != '\0');
        EXPECT_STREQ(processorDescription.codeNameText, *c.codeName ? c.codeName : "Unknown");
        EXPECT_EQ(main[IDC_MAIN_MODEL].text, c.modelRow);
        EXPECT_EQ(main[IDC_MAIN_FAMILY].text, c.familyRow);
        EXPECT_EQ(main[IDC_MAIN_BRAND_ID].text, c.brandRow);
        EXPECT_EQ(main[IDC_MAIN_BRAND_ID].enabled, *c.brandRow != '\0');
        EXPECT_EQ(cacheTotals.l2, c.l2);   // L2 sizes are relaxed, the total is never touched
    }
}

// The brand is dropped only after every entry of the signature failed on it.
TEST_F(DescribeTest, BrandIsDroppedOnlyWhenNoEntryHasIt) {
    Detected(kIntel, 0x0680, 2);
    DescribeProcessor(main);
    EXPECT_EQ(describeState.matchedEntry, 43u);
    EXPECT_EQ(describeState.relaxStep, 3u);   // an exact first pass relaxes nothing
    EXPECT_EQ(describeState.brandRelaxed, 0u);

    Detected(kIntel, 0x0690, 0);
    describeState.showingDetected = 0;
    DescribeProcessor(database);
    EXPECT_EQ(describeState.brandRelaxed, 1u);
    EXPECT_EQ(database[IDC_DB_BRAND_STATUS].text, "Unknown, 0");
    EXPECT_EQ(database[IDC_DB_FAMILY_STATUS].text, "Match, 6");
    EXPECT_EQ(database[IDC_DB_TYPE_STATUS].text, "Match");
    EXPECT_EQ(database[IDC_DB_VENDOR_STRING].text, "GenuineIntel");
    EXPECT_EQ(database[IDC_DB_L2_LIST].text, "1024 on die");   // the class's text, not the total
}

// No entry fits: the page shows the bare numbers, the report's texts say the same, and no
// text of an earlier, different processor survives.
TEST_F(DescribeTest, NoMatchShowsBareNumbersEverywhere) {
    const struct { uint32_t vendor, signature, brandId; const char* brandRow; } cases[] = {
        {kAmd, 0x00020FF0, 0, ""},   // extended model bits: the walk keeps them
        {kCyrix, 0x0520, 0, ""},     // a vendor without entries
        {kIntel, 0x0720, 7, "7"},    // no family 7
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.signature);
        Detected(kIntel, 0x0686, 2);
        DescribeProcessor(main);   // an earlier match
        Detected(c.vendor, c.signature, c.brandId);
        DescribeProcessor(main);
        DescribeProcessor(database);
        EXPECT_EQ(describeState.matchedEntry, 0u);
        EXPECT_EQ(describeState.statsKey, 0u);
        EXPECT_EQ(main[IDC_MAIN_FAMILY].text, std::to_string((c.signature >> 8) & 0xF));
        EXPECT_EQ(main[IDC_MAIN_MODEL].text, std::to_string((c.signature >> 4) & 0xF));
        EXPECT_EQ(main[IDC_MAIN_CODE_NAME].text, "Not Found");
        EXPECT_FALSE(main[IDC_MAIN_CODE_NAME].enabled);
        EXPECT_EQ(main[IDC_MAIN_BRAND_ID].text, c.brandRow);
        EXPECT_EQ(main[IDC_MAIN_BRAND_ID].enabled, *c.brandRow != '\0');
        EXPECT_EQ(database[IDC_DB_TYPE_STATUS].text, "Not Found");
        EXPECT_EQ(database[IDC_DB_STATS_DATE].text, "Unknown");
        EXPECT_EQ(database[IDC_DB_STATS_GATES].text, "0");
        EXPECT_EQ(database[IDC_DB_STATS_FREQ].text, "0 MHz");
        EXPECT_STREQ(processorDescription.processorText, "Unknown New Processor");
        EXPECT_STREQ(processorDescription.familyText, main[IDC_MAIN_FAMILY].text.c_str());
        EXPECT_STREQ(processorDescription.modelLineText, main[IDC_MAIN_MODEL].text.c_str());
        EXPECT_STREQ(processorDescription.codeNameText, "Not Found");
        EXPECT_STREQ(processorDescription.brandText, c.brandRow);
    }
}

// The brand string as reported and the name from its first non-blank; type, stepping, vendor;
// the cache totals, "None" for an empty one.
TEST_F(DescribeTest, MainPageRowsBesideTheMatch) {
    Detected(kIntel, 0x40F29, 9, 256);   // type bits 12-14 of 0x4xxxx are 0, extended bits kept
    processorRecord.cpuType = 4;         // a processor without CPUID
    processorRecord.brandStringValid = 1;
    std::strcpy(processorRecord.brandString, " \t Intel(R) Pentium(R) 4 CPU 2.80GHz");
    cacheTotals.l1Instruction = 16;
    cacheTotals.l1Data = 16;
    DescribeProcessor(main);
    EXPECT_EQ(main[IDC_MAIN_BRAND_STRING].text, " \t Intel(R) Pentium(R) 4 CPU 2.80GHz");
    EXPECT_EQ(main[IDC_MAIN_PROCESSOR].text, "Intel(R) Pentium(R) 4 CPU 2.80GHz");
    EXPECT_FALSE(main[IDC_MAIN_TYPE].enabled);
    EXPECT_STREQ(processorDescription.typeText, "Not Found");
    EXPECT_EQ(main[IDC_MAIN_STEPPING].text, "9");
    EXPECT_EQ(main[IDC_MAIN_VENDOR].text, "GenuineIntel");
    const struct { int id; const char* text; } cells[] = {
        {IDC_MAIN_L1_TOTAL, "32"}, {IDC_MAIN_L1_DATA, "16"}, {IDC_MAIN_L1_INST, "16"}, {IDC_MAIN_L2, "256"},
        {IDC_MAIN_L3, "None"},   // greyed
    };
    for (const auto& cell : cells) {
        EXPECT_EQ(main[cell.id].text, cell.text) << cell.id;
        EXPECT_EQ(main[cell.id].enabled, cell.id != IDC_MAIN_L3) << cell.id;
    }
}

// A browse request shows the entry at its position with its own keys and class, whatever the
// L2 total and the Transmeta revision (128's class is 57, not 130's 58), clears the request,
// and stays within the table.
TEST_F(DescribeTest, BrowsingShowsTheEntryAndItsClassWithinTheTable) {
    const struct { uint32_t requested, shown; const char *date, *gates, *freq, *bus; } cases[] = {
        {128, 128, "Oct 2000", "37 Million", "700 MHz", "133 MHz"},
        {0, 1, "Oct 1971", "2000", "0 MHz", "0 MHz"},
        {134, 133, "Oct 2003", "37 Million", "1300 MHz", "200 MHz"},
        {0xFFFFFFFF, 133, "Oct 2003", "37 Million", "1300 MHz", "200 MHz"},
        {80, 80, "Jun 2007", "199 Million", "5000 MHz", "800 MHz"},   // key 255, announced processors
        {20, 20, "Mar 1993", "3100000", "66 MHz", "66 MHz"},          // key 1, thousands
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested);
        Detected(kTransmeta, 0x0543, 0, 64);
        processorRecord.transmetaShift = 2;
        describeState.showingDetected = 0;
        describeState.matchedEntry = c.requested;
        describeState.browseRequest = 1;
        DescribeDatabaseEntry(database);
        const DatabaseEntry& entry = EntryAt(c.shown);
        EXPECT_EQ(describeState.matchedEntry, c.shown);
        EXPECT_EQ(describeState.browseRequest, 0u);
        EXPECT_EQ(describeState.statsKey, entry.statsKey);
        EXPECT_EQ(database[IDC_DB_PROCESSOR].text, entry.processorName);
        EXPECT_EQ(processorRecord.vendorIndex, entry.vendorIndex);
        EXPECT_EQ(processorRecord.cpuModel, (entry.signature >> 4) & 0xF);
        EXPECT_EQ(database.GetSelection(IDC_DB_VENDOR_LIST), static_cast<int>(entry.vendorIndex));
        EXPECT_EQ(database[IDC_DB_MODEL].text, std::to_string((entry.signature >> 4) & 0xF));
        EXPECT_EQ(database[IDC_DB_STATS_DATE].text, c.date);
        EXPECT_EQ(database[IDC_DB_STATS_GATES].text, c.gates);
        EXPECT_EQ(database[IDC_DB_STATS_FREQ].text, c.freq);
        EXPECT_EQ(database[IDC_DB_STATS_BUS].text, c.bus);
        EXPECT_FALSE(database[IDC_DB_COMMENTARY].text.empty());
    }
}

TEST_F(DescribeTest, SelectorsFollowTheDescribedProcessor) {
    Detected(kIntel, 0x0F29, 9, 512);
    DescribeProcessor(database);
    EXPECT_EQ(database.GetSelection(IDC_DB_FAMILY_LIST), 7);   // family 15
    EXPECT_EQ(database.GetSelection(IDC_DB_BRAND_LIST), 9);
    EXPECT_EQ(database.GetSelection(IDC_DB_TYPE_LIST), 0);
    EXPECT_EQ(database[IDC_DB_L2_LIST].text, "512");            // the measured total
    Detected(kIntel, 0x3F29, 23, 512);                          // type 3, a brand past the list
    DescribeProcessor(database);
    EXPECT_EQ(database.GetSelection(IDC_DB_BRAND_LIST), -1);
    EXPECT_EQ(database.GetSelection(IDC_DB_TYPE_LIST), 3);
}
