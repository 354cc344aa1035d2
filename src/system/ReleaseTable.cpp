// The Windows release table: dates, versions and builds in their packed words.
#include "system/ReleaseTable.h"

#include "database/DatabaseTables.h"   // MonthName
#include "text/TextRoutines.h"

// Defined nowhere (see DatabaseTables.cpp): a packed word that calls it is no constant
// expression and stops the build.
uint32_t ValueDoesNotFitItsField();

namespace {

constexpr uint32_t Date(uint32_t month, uint32_t year) {
    return month >= 1 && month <= 12 && year >= 1900 && year - 1900 <= 0xFF ? month << 28 | (year - 1900) << 20
                                                                             : ValueDoesNotFitItsField();
}

constexpr uint32_t Version(uint32_t major, uint32_t minor) {
    return major <= 0xFF && minor <= 0xFF ? major << 24 | minor << 16 : ValueDoesNotFitItsField();
}

// A dotted build a.b.c (the Windows 95 line's form) or, with b and c absent, a plain number.
constexpr uint32_t Build(uint32_t a, uint32_t b, uint32_t c) {
    return a <= 0xFF && b <= 0xFF && c <= 0xFFFF ? a << 24 | b << 16 | c : ValueDoesNotFitItsField();
}
constexpr uint32_t Build(uint32_t plain) { return plain <= 0xFFFFFF ? plain : ValueDoesNotFitItsField(); }

// clang-format off
// Row order is fixed: detection stores row numbers, and the OS page's list is filled by row.
constexpr OsRelease kReleaseTable[] = {
//   date              name                                code name              family     version         build
    {Date(11, 1985),   "Unknown OS",                       "Unknown",             "Unknown", Version(0, 0),  Build(0)},            //  0
    {Date(11, 1985),   "Windows 1.0",                      "Interface Manager",   "Win16",   Version(1, 0),  Build(0)},            //  1
    {Date(9, 1987),    "Windows 2.0",                      "Unknown",             "Win16",   Version(2, 0),  Build(0)},            //  2
    {Date(5, 1990),    "Windows 3.0",                      "Unknown",             "Win16",   Version(3, 0),  Build(0)},            //  3
    {Date(4, 1992),    "Windows 3.1",                      "Janus",               "Win16",   Version(3, 1),  Build(0)},            //  4
    {Date(6, 1992),    "Windows 3.11",                     "Snowball",            "Win16",   Version(3, 1),  Build(0)},            //  5
    {Date(10, 1992),   "Windows For WorkGroups 3.0",       "Unknown",             "Win16",   Version(3, 0),  Build(0)},            //  6
    {Date(6, 1993),    "Windows For WorkGroups 3.11",      "Unknown",             "Win16",   Version(3, 1),  Build(0)},            //  7
    {Date(7, 1993),    "Windows NT 3.1",                   "Daytona",             "WinNT",   Version(3, 1),  Build(0)},            //  8
    {Date(9, 1994),    "Windows NT 3.5",                   "Daytona",             "WinNT",   Version(3, 50), Build(0)},            //  9
    {Date(6, 1995),    "Windows NT 3.51",                  "Daytona",             "WinNT",   Version(3, 51), Build(0)},            // 10
    {Date(8, 1995),    "Windows 95",                       "Chicago",             "Win32",   Version(4, 0),  Build(4, 0, 950)},    // 11
    {Date(8, 1996),    "Windows 95 OSR2",                  "Unknown",             "Win32",   Version(4, 0),  Build(4, 40, 516)},   // 12
    {Date(9, 1996),    "Windows NT 4.0",                   "Unknown",             "WinNT",   Version(4, 0),  Build(0)},            // 13
    {Date(6, 1998),    "Windows 98",                       "Memphis",             "Win32",   Version(4, 0),  Build(4, 10, 1998)},  // 14
    {Date(6, 1999),    "Windows 98 SE",                    "Unknown",             "Win32",   Version(4, 0),  Build(4, 10, 2222)},  // 15
    {Date(2, 2000),    "Windows 2000",                     "Win NT 5.0",          "WinNT",   Version(5, 0),  Build(2195)},         // 16
    {Date(9, 2000),    "Windows Me",                       "Millennium",          "Win32",   Version(4, 90), Build(4, 90, 3000)},  // 17
    {Date(10, 2001),   "Windows XP",                       "Whistler",            "WinNT",   Version(5, 1),  Build(2600)},         // 18
    {Date(6, 2005),    "Windows XP 64-bit Edition",        "Unknown",             "WinNT",   Version(5, 1),  Build(0)},            // 19
    {Date(10, 2002),   "Windows XP Media Center Edition",  "Unknown",             "WinNT",   Version(5, 1),  Build(0)},            // 20
    {Date(10, 2002),   "Windows XP Tablet PC Edition",     "Unknown",             "WinNT",   Version(5, 1),  Build(0)},            // 21
    {Date(4, 2003),    "Windows Server 2003 family",       "Whistler",            "WinNT",   Version(5, 2),  Build(3790)},         // 22
    {Date(1, 2005),    "Windows Tablet 2005",              "LoneStar",            "WinNT",   Version(5, 3),  Build(0)},            // 23
    {Date(6, 2006),    "Windows Longhorn",                 "Longhorn",            "WinNT",   Version(6, 0),  Build(4053)},         // 24
    {Date(6, 2008),    "Windows Blackcomb",                "Blackcomb",           "WinNT",   Version(6, 0),  Build(0)},            // 25
    // From here on the releases that shipped after the names above were announced.
    {Date(1, 2007),    "Windows Vista",                    "Longhorn",            "WinNT",   Version(6, 0),  Build(6000)},         // 26
    {Date(2, 2008),    "Windows Server 2008",              "Longhorn Server",     "WinNT",   Version(6, 0),  Build(6001)},         // 27
    {Date(10, 2009),   "Windows 7",                        "Vienna",              "WinNT",   Version(6, 1),  Build(7600)},         // 28
    {Date(10, 2009),   "Windows Server 2008 R2",           "Unknown",             "WinNT",   Version(6, 1),  Build(7600)},         // 29
    {Date(10, 2012),   "Windows 8",                        "Unknown",             "WinNT",   Version(6, 2),  Build(9200)},         // 30
    {Date(9, 2012),    "Windows Server 2012",              "Windows Server 8",    "WinNT",   Version(6, 2),  Build(9200)},         // 31
    {Date(10, 2013),   "Windows 8.1",                      "Blue",                "WinNT",   Version(6, 3),  Build(9600)},         // 32
    {Date(10, 2013),   "Windows Server 2012 R2",           "Windows Server Blue", "WinNT",   Version(6, 3),  Build(9600)},         // 33
    {Date(7, 2015),    "Windows 10",                       "Threshold",           "WinNT",   Version(10, 0), Build(10240)},        // 34
    {Date(10, 2016),   "Windows Server 2016",              "Unknown",             "WinNT",   Version(10, 0), Build(14393)},        // 35
    {Date(10, 2018),   "Windows Server 2019",              "Unknown",             "WinNT",   Version(10, 0), Build(17763)},        // 36
    {Date(8, 2021),    "Windows Server 2022",              "Iron",                "WinNT",   Version(10, 0), Build(20348)},        // 37
    {Date(10, 2021),   "Windows 11",                       "Sun Valley",          "WinNT",   Version(10, 0), Build(22000)},        // 38
    {Date(11, 2024),   "Windows Server 2025",              "Unknown",             "WinNT",   Version(10, 0), Build(26100)},        // 39
    {0,                nullptr,                            nullptr,               nullptr,   0,              0},                   // the end
};
// clang-format on
static_assert(sizeof kReleaseTable / sizeof kReleaseTable[0] == kReleaseRowCount + 1, "every row and the end");

}  // namespace

const OsRelease& ReleaseAt(uint32_t row) {
    return kReleaseTable[row < kReleaseRowCount ? row : kReleaseRowCount];
}

void FormatBuildNumber(uint32_t build, char* output, size_t capacity) {
    if (capacity == 0) return;
    output[0] = '\0';
    if ((build >> 24) == 0) {
        AppendUnsigned(build, output, capacity);
        return;
    }
    AppendUnsigned(build >> 24, output, capacity);
    AppendText(".", output, capacity);
    AppendUnsigned((build >> 16) & 0xFF, output, capacity);
    AppendText(".", output, capacity);
    AppendUnsigned(build & 0xFFFF, output, capacity);
}

void FormatReleaseDate(uint32_t releaseDate, char* output, size_t capacity) {
    const uint32_t month = releaseDate >> 28;
    if (month == 0) {
        CopyText("Unknown", output, capacity);
        return;
    }
    CopyText(MonthName(month), output, capacity);
    AppendUnsigned(1900 + ((releaseDate >> 20) & 0xFF), output, capacity);
}
