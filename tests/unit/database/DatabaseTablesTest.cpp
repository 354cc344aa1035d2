// The tables' invariants, checked by walking them: class keys, entry order, the table's end,
// class dates and commentary.
#include <gtest/gtest.h>

#include <string>

#include "database/ClassCommentary.h"
#include "database/DatabaseTables.h"

// Every entry names a class the stats table has and no signature bits above 13 (browsing rebuilds
// the record from them). The first entry that fits wins, so an entry that asks for an L2 size must
// come before the entry of its keys that takes any size. The end word follows the last entry.
TEST(DatabaseTablesTest, EntriesAreKeyedOrderedAndEnded) {
    for (uint32_t later = 1; later <= kDatabaseEntryCount; ++later) {
        SCOPED_TRACE(later);
        const DatabaseEntry& b = EntryAt(later);
        ASSERT_NE(EntryFirstWord(later), kTableEndWord);
        EXPECT_EQ(ClassStatsFor(b.statsKey).key, b.statsKey);
        EXPECT_EQ(b.signature & ~0x3FFFu, 0u);
        for (uint32_t earlier = 1; earlier < later; ++earlier) {
            const DatabaseEntry& a = EntryAt(earlier);
            const bool sameKeys = a.vendorIndex == b.vendorIndex && a.signature == b.signature && a.brandId == b.brandId;
            EXPECT_FALSE(sameKeys && a.l2Units == 0 && b.l2Units != 0) << "fallback " << earlier << " comes first";
        }
    }
    EXPECT_EQ(EntryFirstWord(kDatabaseEntryCount + 1), kTableEndWord);
}

// Only the empty class (key 0) lacks a date and commentary; commentary is printable text of
// at most 944 characters.
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
