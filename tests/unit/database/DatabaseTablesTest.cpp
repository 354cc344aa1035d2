// The tables' invariants, checked by walking them: grouping, keys, shadowing, family names,
// placeholders, commentary.
#include <gtest/gtest.h>

#include <string>

#include "database/ClassCommentary.h"
#include "database/DatabaseTables.h"

namespace {

const char* FamilyByRule(uint32_t vendor, uint32_t family) {
    switch (vendor * 16 + family) {
    case 0x00: return kFamily4004;
    case 0x01: return kFamily8186;
    case 0x02: return kFamily286;
    case 0x03: return kFamily386;
    case 0x04: return kFamily486;
    case 0x05: return kFamilyPentium;
    case 0x06: return kFamilyPentiumPro;
    case 0x0F: return kFamilyPentium4;
    case 0x14: return kFamilyAm486;
    case 0x15: return kFamilyK5K6;
    case 0x16: return kFamilyK7;
    case 0x1F: return kFamilyK8;
    case 0x35: return kFamilyCrusoe;
    }
    return "";
}

}  // namespace

TEST(DatabaseTablesTest, EntriesAreGroupedKeyedAndEnded) {
    uint32_t count = 0;
    for (uint32_t position = 1; EntryFirstWord(position) != kTableEndWord; ++position) {
        SCOPED_TRACE(position);
        ++count;
        const DatabaseEntry& entry = EntryAt(position);
        EXPECT_EQ(entry.vendorIndex, position <= 80 ? 0u : position <= 124 ? 1u : 3u);
        EXPECT_EQ(ClassStatsFor(entry.statsKey).key, entry.statsKey);
        EXPECT_EQ(entry.signature & ~0x3FFFu, 0u);
        const bool placeholder = position == 80 || position == 124;
        EXPECT_EQ(std::string(entry.familyName),
                  placeholder ? entry.modelText : FamilyByRule(entry.vendorIndex, (entry.signature >> 8) & 0xF));
        if (placeholder) {
            EXPECT_STREQ(entry.codeName, entry.modelText);
            EXPECT_STREQ(entry.processorName, "Unknown New Processor");
        }
        EXPECT_EQ(entry.codeName == nullptr, position == 28 || position == 29 || position == 123);
    }
    EXPECT_EQ(count, kDatabaseEntryCount);
}

// The first entry that fits wins: an entry that asks for an L2 size must come before the entry
// of its keys that takes any size, or it could never match.
TEST(DatabaseTablesTest, SpecificEntriesComeBeforeTheirFallback) {
    for (uint32_t later = 2; later <= kDatabaseEntryCount; ++later) {
        const DatabaseEntry& b = EntryAt(later);
        for (uint32_t earlier = 1; earlier < later; ++earlier) {
            const DatabaseEntry& a = EntryAt(earlier);
            const bool sameKeys = a.vendorIndex == b.vendorIndex && a.signature == b.signature && a.brandId == b.brandId;
            EXPECT_FALSE(sameKeys && a.l2Units == 0 && b.l2Units != 0) << earlier << " before " << later;
        }
    }
}

TEST(DatabaseTablesTest, ClassDatesAndCommentary) {
    for (uint32_t key = 0; key <= 255; ++key) {
        const ClassStatsEntry& stats = ClassStatsFor(key);
        if (stats.key != key) continue;   // 109-254 are not in the table
        SCOPED_TRACE(key);
        EXPECT_EQ(stats.introduced.month == kUnknownMonth, key == 0);
        EXPECT_LE(stats.introduced.month, 12u);
        const std::string text = ClassCommentary(key);
        EXPECT_EQ(text.empty(), key == 0);
        EXPECT_LE(text.size(), 944u);
        for (char c : text) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "character " << int(c);
    }
    EXPECT_EQ(ClassStatsFor(200).key, 0);   // a key the table lacks shows the empty class
}
