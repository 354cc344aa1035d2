// The tables' invariants, checked by walking them: the 2004 part unchanged, entry order, keys,
// dates, text widths and commentary (each entry's keys and class, and the table's end, as
// browsing meets them: DatabasePageTest).
#include <gtest/gtest.h>

#include <string>

#include "database/ClassCommentary.h"
#include "database/DatabaseTables.h"
#include "database/DescribeProcessor.h"

namespace {

// FNV-1a over numbers and texts; an absent text hashes apart from an empty one.
struct Fingerprint {
    uint32_t value = 2166136261u;
    void Byte(uint8_t byte) { value = (value ^ byte) * 16777619u; }
    void Number(uint32_t number) {
        for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<uint8_t>(number >> shift));
    }
    void Text(const char* text) {
        Byte(text == nullptr ? 1 : 2);
        for (; text != nullptr && *text != '\0'; ++text) Byte(static_cast<uint8_t>(*text));
    }
};

bool IsSeedClass(uint32_t key) {
    return key <= 108 || key == 255;
}

}  // namespace

// Entries 1-133 and the classes 0-108 and 255, commentary included, are the 2004 database's:
// browse positions, matchedEntry and statsKey are a stable interface.
TEST(DatabaseTablesTest, The2004EntriesAndClassesAreUnchanged) {
    Fingerprint entries;
    for (uint32_t position = 1; position <= kSeedEntryCount; ++position) {
        const DatabaseEntry& e = EntryAt(position);
        for (uint32_t number : {uint32_t{e.vendorIndex}, uint32_t{e.statsKey}, e.signature, uint32_t{e.brandId}, uint32_t{e.l2Units}})
            entries.Number(number);
        for (const char* text : {e.modelText, e.codeName, e.familyName, e.processorName}) entries.Text(text);
    }
    EXPECT_EQ(entries.value, 0xDCE6AFDBu);
    Fingerprint classes;
    for (uint32_t key = 0; key <= 255; ++key) {
        if (!IsSeedClass(key)) continue;
        const ClassStatsEntry& c = ClassStatsFor(key);
        for (uint32_t number : {uint32_t{c.key}, uint32_t{c.introduced.month}, uint32_t{c.introduced.year}, uint32_t{c.gates.number},
                                uint32_t{c.gates.unit}, uint32_t{c.frequency}, uint32_t{c.busFrequency}})
            classes.Number(number);
        for (const char* text : {c.l1Text, c.l2Text, c.l3Text, ClassCommentary(key)}) classes.Text(text);
    }
    EXPECT_EQ(classes.value, 0x2523396Fu);
}

// The first entry that fits wins: an entry that asks for an L2 size comes before the entry of
// its keys that takes any size, and no later entry repeats an earlier one's keys (the 2004
// table's entries 34, 127 and 129 to 132 do, reached only by browsing).
TEST(DatabaseTablesTest, NoEntryIsHiddenByAnEarlierOne) {
    for (uint32_t later = 1; later <= kDatabaseEntryCount; ++later) {
        const DatabaseEntry& b = EntryAt(later);
        for (uint32_t earlier = 1; earlier < later; ++earlier) {
            const DatabaseEntry& a = EntryAt(earlier);
            const bool sameKeys = a.vendorIndex == b.vendorIndex && a.signature == b.signature && a.brandId == b.brandId;
            EXPECT_FALSE(sameKeys && a.l2Units == 0 && b.l2Units != 0) << "fallback " << earlier << " before " << later;
            if (later > kSeedEntryCount) {
                EXPECT_FALSE(sameKeys && a.l2Units == b.l2Units) << earlier << " hides " << later;
            }
        }
    }
}

// Every entry after 2004 lies beyond the 2004 table's signatures, so no processor the 2004 table
// describes can reach it; it names a class of its own era and texts that fit their fields: the
// code name the page's 111-unit field in its large font, the model line and family name the
// widths of the 2004 texts, the signature only leaf 1's type, family, model and stepping bits.
TEST(DatabaseTablesTest, EntriesAfter2004FitTheirFieldsAndTheirClasses) {
    EXPECT_EQ(EntryFirstWord(kDatabaseEntryCount + 1), kTableEndWord);
    for (uint32_t position = 1; position <= kDatabaseEntryCount; ++position) {
        SCOPED_TRACE(position);
        const DatabaseEntry& e = EntryAt(position);
        EXPECT_EQ(ClassStatsFor(e.statsKey).key, e.statsKey);
        if (position <= kSeedEntryCount) continue;
        EXPECT_FALSE(WithinSeedTable(e.vendorIndex, e.signature));
        EXPECT_EQ(e.signature & ~0x0FFF3FFFu, 0u);
        ASSERT_NE(e.codeName, nullptr);
        EXPECT_LE(std::string(e.codeName).size(), 20u);
        EXPECT_LE(std::string(e.modelText).size(), 45u);
        EXPECT_LE(std::string(e.familyName).size(), 32u);
        EXPECT_LE(std::string(e.processorName).size(), 48u);
        const ClassStatsEntry& stats = ClassStatsFor(e.statsKey);
        if (stats.introduced.month != kUnknownMonth) {
            EXPECT_GE(1900 + stats.introduced.year, 2004);
        }
    }
}

// Keys run 0 to kClassKeyEnd - 1, then 255. The 2004 classes all have a date; a later class's
// date lies within 2004-2026 or is unknown (month 0, year 0). Every class but the empty key 0
// has printable commentary of at most 944 characters.
TEST(DatabaseTablesTest, ClassDatesAndCommentary) {
    for (uint32_t key = 0; key <= 255; ++key) {
        const ClassStatsEntry& stats = ClassStatsFor(key);
        EXPECT_EQ(stats.key == key, key < kClassKeyEnd || key == 255) << key;
        if (stats.key != key) continue;
        SCOPED_TRACE(key);
        EXPECT_LE(stats.introduced.month, 12u);
        if (IsSeedClass(key)) {
            EXPECT_EQ(stats.introduced.month == kUnknownMonth, key == 0);
        } else if (stats.introduced.month == kUnknownMonth) {
            EXPECT_EQ(stats.introduced.year, 0u);
        } else {
            EXPECT_GE(1900 + stats.introduced.year, 2004);
            EXPECT_LE(1900 + stats.introduced.year, 2026);
        }
        const std::string text = ClassCommentary(key);
        EXPECT_EQ(text.empty(), key == 0);
        EXPECT_LE(text.size(), 944u);
        for (char c : text) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "character " << int(c);
    }
}
