// The processor database: the processor table, the class-stats table, and their texts.
#pragma once
#include <cstdint>

constexpr uint32_t kDatabaseEntryCount = 133;
constexpr uint32_t kTableEndWord = 0x0000FFFF;   // word 0 of the position after the last entry

// One processor product line for one CPUID signature, brand ID and L2 size.
struct DatabaseEntry {
    uint16_t vendorIndex;   // word 0, bits 0-15: position in the vendor table
    uint16_t statsKey;      // word 0, bits 16-31: key of the class stats
    uint32_t signature;     // leaf 1 EAX layout: type, family, model, stepping
    uint8_t brandId;        // leaf 1 EBX bits 0-7; 0 for parts without one
    uint8_t l2Units;        // L2 size in 16 KB units; 0 matches any size
    const char* modelText;
    const char* codeName;   // nullptr for the three entries without one
    const char* familyName;
    const char* processorName;
};

constexpr uint8_t kUnknownMonth = 0;
constexpr uint8_t kGatesUnits = 0;       // the number is the count
constexpr uint8_t kGatesThousands = 1;   // printed with "000" appended
constexpr uint8_t kGatesMillions = 2;    // printed with " Million" appended

struct IntroDate {
    uint8_t month : 4;   // 1-12; kUnknownMonth: no date
    uint8_t year;        // minus 1900
};

struct GatesCount {
    uint32_t number : 24;
    uint32_t unit : 4;   // kGatesUnits, kGatesThousands or kGatesMillions
};

// The statistics of one processor class.
struct ClassStatsEntry {
    uint8_t key;
    IntroDate introduced;
    GatesCount gates;
    uint16_t frequency;      // MHz
    uint16_t busFrequency;   // MHz
    const char* l1Text;      // nullptr prints as an empty field
    const char* l2Text;
    const char* l3Text;
};

// Word 0 of the table at a 1-based position: an entry's vendor index and key, or kTableEndWord
// for the position after the last entry. Positions past that are not asked for.
uint32_t EntryFirstWord(uint32_t position);
// The entry at a position 1 to kDatabaseEntryCount.
const DatabaseEntry& EntryAt(uint32_t position);
// The first class stats with this key; key 0's (the empty class) for a key the table lacks.
const ClassStatsEntry& ClassStatsFor(uint32_t key);
// "Jan " to "Dec " for months 1 to 12, "" otherwise.
const char* MonthName(uint32_t month);

// Family names, shared by the processor table and the database page's family list.
inline constexpr char kFamily4004[] = "Intel4004(TM)";
inline constexpr char kFamily8186[] = "Intel8186(TM)";
inline constexpr char kFamily286[] = "Intel286(TM)";
inline constexpr char kFamily386[] = "Intel386(TM)";
inline constexpr char kFamily486[] = "Intel486(TM)";
inline constexpr char kFamilyPentium[] = "Pentium(R)";
inline constexpr char kFamilyPentiumPro[] = "Pentium(R) Pro/II/III/M";
inline constexpr char kFamilyPentium4[] = "Pentium(R) 4";
inline constexpr char kFamilyPentium5[] = "Pentium(R) 5";
inline constexpr char kFamilyAm486[] = "Am486DX / Am5x86";
inline constexpr char kFamilyK5K6[] = "K5 / K6";
inline constexpr char kFamilyK7[] = "K7 / Athlon(tm)";
inline constexpr char kFamilyK8[] = "K8 / Opteron(tm) / Athlon 64(tm)";
inline constexpr char kFamilyK9[] = "K9";
inline constexpr char kFamilyCrusoe[] = "TM3x00 / TM5x00 / TM8xx0";
