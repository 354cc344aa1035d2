// The history of Windows releases shown on the OS page; a row number is a releaseIndex.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr uint32_t kReleaseRowCount = 40;

struct OsRelease {
    uint32_t releaseDate;   // bits 31-28 month (0: no date), 27-20 year minus 1900
    const char* name;       // nullptr ends the table; every row but 0 begins with "Windows "
    const char* codeName;
    const char* family;
    uint32_t version;       // bits 31-24 major, 23-16 minor
    uint32_t build;         // as FormatBuildNumber reads it
};

// Row 0 to kReleaseRowCount - 1; the row after the last has no name.
const OsRelease& ReleaseAt(uint32_t row);
// A plain number when bits 31-24 are zero, else "a.b.c" from bits 31-24, 23-16 and 15-0.
void FormatBuildNumber(uint32_t build, char* output, size_t capacity);
// "Aug 1995", or "Unknown" without a month.
void FormatReleaseDate(uint32_t releaseDate, char* output, size_t capacity);
