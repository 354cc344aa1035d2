// Comparing a cache grid's filled rows with expected cell texts; recording unknown descriptors.
#pragma once
#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "cache/CacheGrid.h"
#include "cache/DescriptorNotice.h"

// Each unknown descriptor, in the order met.
struct RecordingNotice : DescriptorNotice {
    void UnknownDescriptor(uint32_t descriptor) override { descriptors.push_back(descriptor); }
    std::vector<uint32_t> descriptors;
};

using ExpectedRow = std::array<const char*, kCacheRowCells>;

// Checks rowCount and every cell of the filled rows, cell by cell.
inline void ExpectRows(const CacheGrid& grid, const std::vector<ExpectedRow>& rows) {
    ASSERT_EQ(grid.rowCount, rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < kCacheRowCells; ++c)
            EXPECT_STREQ(grid.rows[r].cells[c], rows[r][c]) << "row " << r << " cell " << c;
}

// A grid without rows shows "None Detected" in row 0's Type cell.
inline void ExpectNoneDetected(const CacheGrid& grid) {
    EXPECT_EQ(grid.rowCount, 0u);
    EXPECT_STREQ(grid.rows[0].cells[kTypeCell], "None Detected");
}

inline void ResetCacheRecords() {
    level1Grid = {};
    level23Grid = {};
    cacheTotals = {};
    unifiedTlb = 0;
}
