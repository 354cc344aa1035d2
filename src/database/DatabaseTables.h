// The processor database: the processor table, the class-stats table, and their texts.
#pragma once
#include <cstdint>

constexpr uint32_t kSeedEntryCount = 133;        // the 2004 table: positions 1-133 never move
constexpr uint32_t kDatabaseEntryCount = 299;
constexpr uint32_t kClassKeyEnd = 217;           // keys 0 to kClassKeyEnd - 1 are in use, then 255
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

// Family and model of a leaf-1 signature as the vendors number them: the extended family adds
// to family 15 only, the extended model sits above the model digit of families 6 and 15 only.
constexpr uint32_t DisplayFamily(uint32_t signature) {
    const uint32_t family = (signature >> 8) & 0xF;
    return family == 15 ? family + ((signature >> 20) & 0xFF) : family;
}
constexpr uint32_t DisplayModel(uint32_t signature) {
    const uint32_t family = (signature >> 8) & 0xF;
    const uint32_t model = (signature >> 4) & 0xF;
    return family == 6 || family == 15 ? (((signature >> 16) & 0xF) << 4) + model : model;
}

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
// Family names of the processors after 2004, by product family; at most 32 characters, as the
// 2004 names.
inline constexpr char kFamilyCore2[] = "Core(TM) / Core(TM) 2 / Xeon(R)";
inline constexpr char kFamilyCoreI[] = "Core(TM) i3/i5/i7/i9 / Xeon(R)";
inline constexpr char kFamilyCoreUltra[] = "Core(TM) Ultra";
inline constexpr char kFamilyXeon[] = "Xeon(R) Scalable / Xeon(R) 6";
inline constexpr char kFamilyXeonPhi[] = "Xeon Phi(TM)";
inline constexpr char kFamilyAtom[] = "Atom(TM) / E-core";
inline constexpr char kFamilyK10[] = "K10 / Phenom(tm) / Opteron(tm)";
inline constexpr char kFamilyGriffin[] = "K8 / Turion(tm) X2 Ultra";
inline constexpr char kFamilyLlano[] = "K10 / A-Series APU";
inline constexpr char kFamilyBobcat[] = "Bobcat / E-Series APU";
inline constexpr char kFamilyBulldozer[] = "Bulldozer / FX(tm) / A-Series";
inline constexpr char kFamilyJaguar[] = "Jaguar / Puma";
inline constexpr char kFamilyZen[] = "Zen / Ryzen(tm) / EPYC(tm)";
inline constexpr char kFamilyZen3[] = "Zen 3 / Zen 4 / Ryzen / EPYC";
inline constexpr char kFamilyZen5[] = "Zen 5 / Ryzen(tm) / EPYC(tm)";
inline constexpr char kFamilyHygon[] = "Hygon C86 / Dhyana";
inline constexpr char kFamilyCentaur[] = "VIA C7 / Nano(tm)";
inline constexpr char kFamilyZhaoxin[] = "Zhaoxin KaiXian(TM)";
