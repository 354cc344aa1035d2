// DescribeProcessor: worked examples of the matching, the pages with and without a match (the walk
// down a model's steppings, an L2 size that picks its entry: tests/unit/probe/ProbeDumpsTest.cpp).
#include <cstring>

#include "database/DescribeFixture.h"

namespace {

constexpr uint32_t kIntel = 0, kAmd = 1, kCyrix = 2, kTransmeta = 3;

// An entry 0 expects no match: the page shows the bare numbers.
struct DescribeCase {
    const char* what;
    uint32_t vendor, signature, brandId, l2, transmetaShift, entry, statsKey;
    const char *processor, *codeName, *modelRow, *familyRow, *brandRow;   // brandRow "": the row greyed
};

// clang-format off
const DescribeCase kCases[] = {
    {"0690 brand 0: both entries fail on the brand, which is then dropped", kIntel, 0x0690, 0, 0, 0, 51, 17,
     "Intel(R) Pentium(R) M Processor", "Banias", "0.13 \xB5m Pentium M, 9", "Pentium(R) Pro/II/III/M, 6", ""},
    {"0F0A brand 8 reaches the family base 0F00, never 0F03", kIntel, 0x0F0A, 8, 0, 0, 55, 18,
     "Intel(R) Pentium(R) 4 Processor", "Willamette", "180 nm P4 / Xeon, 0", "Pentium(R) 4, 15",
     "Intel(R) Pentium(R) 4 Processor, 8"},
    {"0650 without L2 passes the entries that ask for a size", kIntel, 0x0650, 0, 0, 0, 35, 6,
     "Intel(R) Celeron(R) Processor", "Covington", "0.25 \xB5m PII / PII Xeon / Celeron, 5",
     "Pentium(R) Pro/II/III/M, 6", ""},
    {"a later Transmeta revision takes texts and class from the entry two on", kTransmeta, 0x0543, 0, 512, 2, 128, 58,
     "Transmeta Crusoe TM5800", "TM5800", "0.13 \xB5m TM5x00, 4", "TM3x00 / TM5x00 / TM8xx0, 5", ""},
    {"Transmeta shift past the last entry keeps the entry's own texts and class", kTransmeta, 0x0544, 0, 1024, 2, 133, 80,
     "Transmeta Efficeon TM8xx0", "Astro", "0.09 \xB5m / 0.13 \xB5m TM8xx0, 4", "TM3x00 / TM5x00 / TM8xx0, 5", ""},
    {"a matched entry without code name", kIntel, 0x0610, 0, 0, 0, 29, 8,
     "Intel(R) Pentium(R) Pro Processor", "", "0.35 \xB5m Pentium Pro, 1", "Pentium(R) Pro/II/III/M, 6", ""},
    {"a model beyond the 2004 table walks its own steppings only: 06F6 is Conroe, never Dothan", kIntel, 0x06F6, 0, 0, 0,
     143, 116, "Intel(R) Core(TM)2 Duo Processor", "Conroe / Merom", "65 nm Core 2 / Xeon 3000/5100/5300, 15",
     "Core(TM) / Core(TM) 2 / Xeon(R), 6", ""},
    {"Prescott reaches the later entries, not the 2004 guesses at 0F40", kIntel, 0x0F47, 0, 0, 0, 137, 111,
     "Intel(R) Pentium(R) D Processor", "Smithfield", "90 nm Pentium D 800 / Extreme Edition, 4", "Pentium(R) 4, 15", ""},
    {"a 2004 entry still answers its own keys exactly (Find): 0F40 without brand", kIntel, 0x0F40, 0, 0, 0, 80, 255,
     "Unknown New Processor", "Pentium(R) 5", "Pentium(R) 5, 4", "Pentium(R) 5, 15", ""},
    {"... but a real stepping of that model is never taken for it", kIntel, 0x0F42, 0, 0, 0, 135, 109,
     "Intel(R) Pentium(R) 4 Processor", "Prescott / Nocona", "90 nm P4 / Celeron D / Xeon (EM64T), 4", "Pentium(R) 4, 15", ""},
    {"a new stepping of a known model: 906EB walks down to Coffee Lake", kIntel, 0x000906EB, 0, 0, 0, 172, 140,
     "Intel(R) Core(TM) i7 Processor", "Coffee Lake", "14 nm Core i3/i5/i7/i9 / Xeon E-2100, 158",
     "Core(TM) i3/i5/i7/i9 / Xeon(R), 6", ""},
    {"a stepping below every entry of its model takes the model's first entry", kIntel, 0x000806E1, 0, 0, 0, 167, 138,
     "Intel(R) Core(TM) i7 Processor", "Kaby Lake", "14 nm Core i3/i5/i7 / m3 (Kaby, Amber), 142",
     "Core(TM) i3/i5/i7/i9 / Xeon(R), 6", ""},
    {"extended family and model: display family 26, model 68", kAmd, 0x00B40F40, 0, 1024, 0, 291, 209,
     "AMD Ryzen(tm) Processor", "Granite Ridge", "4 nm Ryzen 9000, 68", "Zen 5 / Ryzen(tm) / EPYC(tm), 26", ""},
    {"no match: an AMD model newer than the table shows its display numbers", kAmd, 0x00B80F00, 0, 0, 0, 0, 0,
     "Unknown New Processor", "", "128", "26", ""},
    {"no match: an Intel model newer than the table, never the family base 0600", kIntel, 0x000E0600, 0, 0, 0, 0, 0,
     "Unknown New Processor", "", "224", "6", ""},
    {"a vendor after the ten: Hygon", 10, 0x00900F01, 0, 0, 0, 297, 212, "Hygon C86 Processor", "Dhyana / Zen",
     "14 nm Hygon C86, 0", "Hygon C86 / Dhyana, 24", ""},
    {"no match: a vendor without entries", kCyrix, 0x0520, 0, 0, 0, 0, 0, "Unknown New Processor", "", "2", "5", ""},
    {"no match: no family 7", kIntel, 0x0720, 7, 0, 0, 0, 0, "Unknown New Processor", "", "2", "7", "7"},
};
// clang-format on

}  // namespace

// Each example on the Main page, then its status rows on the Database page; the report's texts say
// the same, and no text of an earlier, different processor survives.
TEST_F(DescribeTest, WorkedExamplesMatchTheirEntriesOrShowBareNumbers) {
    for (const DescribeCase& c : kCases) {
        SCOPED_TRACE(c.what);
        SetUp();
        Detected(kIntel, 0x0686, 2);
        DescribeProcessor(main);   // an earlier match
        Detected(c.vendor, c.signature, c.brandId, c.l2);
        processorRecord.transmetaShift = c.transmetaShift;
        DescribeProcessor(main);
        const bool matched = c.entry != 0;
        EXPECT_EQ(describeState.matchedEntry, c.entry);
        EXPECT_EQ(describeState.statsKey, c.statsKey);
        EXPECT_EQ(main[IDC_MAIN_PROCESSOR].text, c.processor);
        EXPECT_STREQ(processorDescription.processorText, c.processor);
        EXPECT_EQ(main[IDC_MAIN_CODE_NAME].text, *c.codeName ? c.codeName : "Not Found");
        EXPECT_EQ(main[IDC_MAIN_CODE_NAME].enabled, *c.codeName != '\0');
        EXPECT_STREQ(processorDescription.codeNameText, *c.codeName ? c.codeName : matched ? "Unknown" : "Not Found");
        EXPECT_EQ(main[IDC_MAIN_MODEL].text, c.modelRow);
        EXPECT_EQ(main[IDC_MAIN_FAMILY].text, c.familyRow);
        EXPECT_EQ(main[IDC_MAIN_BRAND_ID].text, c.brandRow);
        EXPECT_EQ(main[IDC_MAIN_BRAND_ID].enabled, *c.brandRow != '\0');
        EXPECT_EQ(cacheTotals.l2, c.l2);   // L2 sizes are relaxed, the total is never touched
        DescribeProcessor(database);
        const std::string family = std::to_string(DisplayFamily(c.signature));
        EXPECT_EQ(database[IDC_DB_FAMILY_STATUS].text, matched ? "Match, " + family : "Not Found");
        EXPECT_EQ(database[IDC_DB_TYPE_STATUS].text, matched ? "Match" : "Not Found");
        EXPECT_EQ(database[IDC_DB_VENDOR_STRING].text, main[IDC_MAIN_VENDOR].text);
        if (matched) {
            EXPECT_EQ(database[IDC_DB_BRAND_STATUS].text, (*c.brandRow ? "Match, " : "Unknown, ") + std::to_string(c.brandId));
        } else {
            EXPECT_STREQ(processorDescription.brandText, c.brandRow);
            EXPECT_EQ(database[IDC_DB_STATS_DATE].text, "Unknown");   // the empty class's statistics
        }
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
    const struct { int id; const char* text; } cells[] = {{IDC_MAIN_L1_TOTAL, "32"}, {IDC_MAIN_L1_DATA, "16"},
        {IDC_MAIN_L1_INST, "16"}, {IDC_MAIN_L2, "256"}, {IDC_MAIN_L3, "None"}};   // L3 greyed
    for (const auto& cell : cells) {
        EXPECT_EQ(main[cell.id].text, cell.text) << cell.id;
        EXPECT_EQ(main[cell.id].enabled, cell.id != IDC_MAIN_L3) << cell.id;
    }
}
