// The tables' invariants, checked by walking them: entry order, class dates and commentary (each
// entry's keys and class, and the table's end, as browsing meets them: DatabasePageTest).
#include <gtest/gtest.h>

#include <string>

#include "database/ClassCommentary.h"
#include "database/DatabaseTables.h"

// The first entry that fits wins, so an entry that asks for an L2 size must come before the
// entry of its keys that takes any size.
TEST(DatabaseTablesTest, EntriesAskingForAnL2SizeComeBeforeTheirFallback) {
    for (uint32_t later = 1; later <= kDatabaseEntryCount; ++later) {
        const DatabaseEntry& b = EntryAt(later);
        for (uint32_t earlier = 1; earlier < later; ++earlier) {
            const DatabaseEntry& a = EntryAt(earlier);
            const bool sameKeys = a.vendorIndex == b.vendorIndex && a.signature == b.signature && a.brandId == b.brandId;
            EXPECT_FALSE(sameKeys && a.l2Units == 0 && b.l2Units != 0) << "fallback " << earlier << " before " << later;
        }
    }
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
}
