// The processor table and the class-stats table, as the database was compiled (7th edition,
// December 2004), with the lookups the description and the database page make.
#include "database/DatabaseTables.h"

// Called only where a value does not fit its packed field, and defined nowhere: a constant
// table that calls it is no constant expression, so such a value stops the build.
uint32_t ValueDoesNotFitItsField();

namespace {

constexpr uint16_t kIntel = 0;
constexpr uint16_t kAmd = 1;
constexpr uint16_t kTransmeta = 3;
constexpr uint8_t kAnyL2 = 0;

// The L2 column in KB, stored in 16 KB units (8 bits).
constexpr uint8_t Kb(uint32_t kilobytes) {
    return kilobytes % 16 == 0 && kilobytes / 16 <= 0xFF && kilobytes != 0 ? static_cast<uint8_t>(kilobytes / 16)
                                                                           : static_cast<uint8_t>(ValueDoesNotFitItsField());
}

// clang-format off
// Order matters: the first entry that fits wins, so entries for one signature that ask for a
// brand ID or an L2 size come before the entry that takes any size. Positions count from 1.
constexpr DatabaseEntry kProcessorTable[] = {
//  pos     vendor       key  sig     brand L2        model text                                       code name              family             processor name
          // Intel: the first microprocessors to the 486
/*   1 */ {kIntel,     35,  0x0000, 0,  kAnyL2,   "10 \xB5m process",                              "Unknown",             kFamily4004,       "Intel 4004(TM) Processor"},
/*   2 */ {kIntel,     36,  0x0010, 0,  kAnyL2,   "10 \xB5m process",                              "Unknown",             kFamily4004,       "Intel 8008(TM) Processor"},
/*   3 */ {kIntel,     37,  0x0020, 0,  kAnyL2,   "6 \xB5m process",                               "Unknown",             kFamily4004,       "Intel 8080(TM) Processor"},
/*   4 */ {kIntel,     38,  0x0030, 0,  kAnyL2,   "3 \xB5m process",                               "Unknown",             kFamily4004,       "Intel 8085(TM) Processor"},
/*   5 */ {kIntel,     39,  0x0040, 0,  kAnyL2,   "3 \xB5m process",                               "Unknown",             kFamily4004,       "Intel 8086(TM) Processor"},
/*   6 */ {kIntel,     40,  0x0050, 0,  kAnyL2,   "3 \xB5m process",                               "Unknown",             kFamily4004,       "Intel 8088(TM) Processor"},
/*   7 */ {kIntel,     41,  0x0100, 0,  kAnyL2,   "Intel 80186(TM) Processor",                     "Unknown",             kFamily8186,       "Intel 80186(TM) Processor"},
/*   8 */ {kIntel,     42,  0x0200, 0,  kAnyL2,   "15 \xB5m 80286",                                "Unknown",             kFamily286,        "Intel 80286(TM) Processor"},
/*   9 */ {kIntel,     43,  0x0300, 0,  kAnyL2,   "Intel 80386DX(TM) Processor",                   "Unknown",             kFamily386,        "Intel 80386DX(TM) Processor"},
/*  10 */ {kIntel,     44,  0x0310, 0,  kAnyL2,   "Intel 80386SX(TM) Processor",                   "Unknown",             kFamily386,        "Intel 80386SX(TM) Processor"},
/*  11 */ {kIntel,     45,  0x0320, 0,  kAnyL2,   "Intel 80386SL(TM) Processor",                   "Unknown",             kFamily386,        "Intel 80386SL(TM) Processor"},
/*  12 */ {kIntel,     46,  0x0400, 0,  kAnyL2,   "Intel486(TM) DX Processor",                     "Unknown",             kFamily486,        "Intel486(TM) DX Processor"},
/*  13 */ {kIntel,     46,  0x0410, 0,  kAnyL2,   "Intel486(TM) DX Processor",                     "Unknown",             kFamily486,        "Intel486(TM) DX Processor"},
/*  14 */ {kIntel,     47,  0x0420, 0,  kAnyL2,   "Intel486(TM) SX Processor",                     "Unknown",             kFamily486,        "Intel486(TM) SX Processor"},
/*  15 */ {kIntel,     48,  0x0430, 0,  kAnyL2,   "Intel486DX2(TM) Processor",                     "Unknown",             kFamily486,        "Intel486DX2(TM) Processor"},
/*  16 */ {kIntel,     49,  0x0440, 0,  kAnyL2,   "Intel486 SL Processor",                         "Unknown",             kFamily486,        "Intel486 SL Processor"},
/*  17 */ {kIntel,     50,  0x0450, 0,  kAnyL2,   "Intel486SX2(TM) Processor",                     "Unknown",             kFamily486,        "Intel486SX2(TM) Processor"},
/*  18 */ {kIntel,     51,  0x0470, 0,  kAnyL2,   "Write-Back Enhanced Intel486DX2(TM) Processor", "Unknown",             kFamily486,        "Write-Back Enhanced Intel486DX2(TM) Processor"},
/*  19 */ {kIntel,     52,  0x0480, 0,  kAnyL2,   "Intel486DX4(TM) Processor",                     "Unknown",             kFamily486,        "Intel486DX4(TM) Processor"},
          // Intel: Pentium and its OverDrive parts
/*  20 */ {kIntel,     1,   0x0510, 0,  kAnyL2,   "0.80 \xB5m Pentium",                            "A80501 / P5 ",        kFamilyPentium,    "Intel(R) Pentium(R) Processor"},
/*  21 */ {kIntel,     53,  0x0520, 0,  kAnyL2,   "0.50 \xB5m Pentium",                            "P54CSLM",             kFamilyPentium,    "Intel(R) Pentium(R) Processor"},
/*  22 */ {kIntel,     4,   0x0540, 0,  kAnyL2,   "0.35 \xB5m Pentium MMX",                        "P55CLM",              kFamilyPentium,    "Intel(R) Pentium(R) Processor MMX"},
/*  23 */ {kIntel,     59,  0x0580, 0,  kAnyL2,   "0.28 \xB5m / 0.25 \xB5m Pentium MMX (Mobile)",  "Tillamook",           kFamilyPentium,    "Intel(R) Pentium(R) Processor MMX (Mobile)"},
/*  24 */ {kIntel,     0,   0x1510, 0,  kAnyL2,   "0.80 \xB5m Pentium OverDrive",                  "A80501 / P5 ",        kFamilyPentium,    "Intel(R) Pentium(R) OverDrive Processor"},
/*  25 */ {kIntel,     0,   0x1520, 0,  kAnyL2,   "0.35 \xB5m Pentium OverDrive",                  "P54C",                kFamilyPentium,    "Intel(R) Pentium(R) OverDrive Processor"},
/*  26 */ {kIntel,     0,   0x1530, 0,  kAnyL2,   "0.35 \xB5m Pentium OverDrive (for 486)",        "P54C",                kFamilyPentium,    "Intel(R) Pentium(R) OverDrive Processor"},
/*  27 */ {kIntel,     0,   0x1540, 0,  kAnyL2,   "0.28 \xB5m / 0.25 \xB5m Pentium OverDrive MMX", "P55CLM",              kFamilyPentium,    "Intel(R) Pentium(R) OverDrive Processor MMX"},
          // Intel: P6 family
/*  28 */ {kIntel,     8,   0x0600, 0,  kAnyL2,   "0.50 \xB5m Pentium Pro",                        nullptr,               kFamilyPentiumPro, "Intel(R) Pentium(R) Pro Processor"},
/*  29 */ {kIntel,     8,   0x0610, 0,  kAnyL2,   "0.35 \xB5m Pentium Pro",                        nullptr,               kFamilyPentiumPro, "Intel(R) Pentium(R) Pro Processor"},
/*  30 */ {kIntel,     2,   0x0630, 0,  kAnyL2,   "0.28 \xB5m Pentium II",                         "Klamath / A80522",    kFamilyPentiumPro, "Intel(R) Pentium(R) II Processor"},
/*  31 */ {kIntel,     10,  0x0650, 0,  Kb(2048), "0.25 \xB5m PII / PII Xeon / Celeron",           "Deschutes / A80523",  kFamilyPentiumPro, "Intel(R) Pentium(R) II Xeon Processor"},
/*  32 */ {kIntel,     93,  0x0650, 0,  Kb(1024), "0.25 \xB5m PII / PII Xeon / Celeron",           "Deschutes / A80523",  kFamilyPentiumPro, "Intel(R) Pentium(R) II Xeon Processor"},
/*  33 */ {kIntel,     5,   0x0650, 0,  Kb(512),  "0.25 \xB5m PII / PII Xeon / Celeron",           "Deschutes / A80523",  kFamilyPentiumPro, "Intel(R) Pentium(R) II Processor"},
/*  34 */ {kIntel,     94,  0x0650, 0,  Kb(512),  "0.25 \xB5m PII / PII Xeon / Celeron",           "Tonga",               kFamilyPentiumPro, "Intel(R) Pentium(R) II PE"},
/*  35 */ {kIntel,     6,   0x0650, 0,  kAnyL2,   "0.25 \xB5m PII / PII Xeon / Celeron",           "Covington",           kFamilyPentiumPro, "Intel(R) Celeron(R) Processor"},
/*  36 */ {kIntel,     60,  0x0660, 0,  Kb(256),  "0.25 \xB5m PII PE / Celeron",                   "Dixon",               kFamilyPentiumPro, "Intel(R) Pentium(R) II PE"},
/*  37 */ {kIntel,     7,   0x0660, 0,  kAnyL2,   "0.25 \xB5m PII PE / Celeron",                   "Mendocino",           kFamilyPentiumPro, "Intel(R) Celeron(R) Processor"},
/*  38 */ {kIntel,     11,  0x0670, 0,  Kb(2048), "0.25 \xB5m PIII / PIII Xeon",                   "Tanner",              kFamilyPentiumPro, "Intel(R) Pentium(R) III Xeon(TM) Processor"},
/*  39 */ {kIntel,     11,  0x0670, 0,  Kb(1024), "0.25 \xB5m PIII / PIII Xeon",                   "Tanner",              kFamilyPentiumPro, "Intel(R) Pentium(R) III Xeon(TM) Processor"},
/*  40 */ {kIntel,     9,   0x0670, 0,  kAnyL2,   "0.25 \xB5m PIII / PIII Xeon",                   "Katmai / A80525",     kFamilyPentiumPro, "Intel(R) Pentium(R) III Processor"},
/*  41 */ {kIntel,     14,  0x0680, 1,  kAnyL2,   "0.18 \xB5m PIII / PIII Xeon / Celeron",         "Coppermine / A80526", kFamilyPentiumPro, "Intel(R) Celeron(R) Processor"},
/*  42 */ {kIntel,     13,  0x0680, 3,  kAnyL2,   "0.18 \xB5m PIII / PIII Xeon / Celeron",         "Cascades",            kFamilyPentiumPro, "Intel(R) Pentium(R) III Xeon(TM) Processor"},
/*  43 */ {kIntel,     12,  0x0680, 2,  kAnyL2,   "0.18 \xB5m PIII / PIII Xeon / Celeron",         "Coppermine / A80526", kFamilyPentiumPro, "Intel(R) Pentium(R) III Processor"},
/*  44 */ {kIntel,     13,  0x06A0, 3,  kAnyL2,   "0.18 \xB5m Pentium III Xeon A",                 "Tualatin / A80530",   kFamilyPentiumPro, "Intel(R) Pentium(R) III Xeon(TM) Processor"},
/*  45 */ {kIntel,     14,  0x06B0, 1,  kAnyL2,   "0.13 \xB5m Pentium III B",                      "Tualatin / A80530",   kFamilyPentiumPro, "Intel(R) Celeron(R) Processor"},
/*  46 */ {kIntel,     13,  0x06B0, 3,  kAnyL2,   "0.13 \xB5m Pentium III B",                      "Tualatin / A80530",   kFamilyPentiumPro, "Intel(R) Pentium(R) III Xeon(TM) Processor"},
/*  47 */ {kIntel,     103, 0x06B0, 4,  kAnyL2,   "0.13 \xB5m Pentium III B",                      "Tualatin / A80530",   kFamilyPentiumPro, "Intel(R) Pentium(R) III Processor"},
/*  48 */ {kIntel,     15,  0x06B0, 6,  kAnyL2,   "0.13 \xB5m Pentium III B",                      "Geyserville",         kFamilyPentiumPro, "Mobile Intel(R) Pentium(R) III Processor-M"},
/*  49 */ {kIntel,     16,  0x06B0, 7,  kAnyL2,   "0.13 \xB5m Pentium III B",                      "Geyserville",         kFamilyPentiumPro, "Mobile Intel(R) Celeron(R) Processor"},
/*  50 */ {kIntel,     14,  0x06B1, 3,  kAnyL2,   "0.13 \xB5m Pentium III B",                      "Tualatin / A80530",   kFamilyPentiumPro, "Intel(R) Celeron(R) Processor"},
/*  51 */ {kIntel,     17,  0x0690, 22, kAnyL2,   "0.13 \xB5m Pentium M",                          "Banias",              kFamilyPentiumPro, "Intel(R) Pentium(R) M Processor"},
/*  52 */ {kIntel,     79,  0x0690, 18, kAnyL2,   "0.13 \xB5m Pentium M",                          "Banias",              kFamilyPentiumPro, "Intel(R) Celeron(R) M Processor"},
/*  53 */ {kIntel,     78,  0x06C0, 22, kAnyL2,   "0.09 \xB5m Pentium M",                          "Dothan",              kFamilyPentiumPro, "Intel(R) Pentium(R) M Processor"},
/*  54 */ {kIntel,     95,  0x06B1, 0,  kAnyL2,   "0.18 \xB5m PIII / PIII Xeon / Celeron",         "Timna",               kFamilyPentiumPro, "Experimental / Cancelled"},
          // Intel: NetBurst
/*  55 */ {kIntel,     18,  0x0F00, 8,  kAnyL2,   "180 nm P4 / Xeon",                              "Willamette",          kFamilyPentium4,   "Intel(R) Pentium(R) 4 Processor"},
/*  56 */ {kIntel,     18,  0x0F03, 8,  kAnyL2,   "180 nm P4 / Xeon",                              "Willamette",          kFamilyPentium4,   "Intel(R) Genuine Processor"},
/*  57 */ {kIntel,     18,  0x0F00, 9,  kAnyL2,   "180 nm P4 / Xeon",                              "Willamette",          kFamilyPentium4,   "Intel(R) Pentium(R) 4 Processor"},
/*  58 */ {kIntel,     21,  0x0F00, 11, kAnyL2,   "180 nm P4 / Xeon",                              "Foster",              kFamilyPentium4,   "Intel(R) Xeon(TM) Processor"},
/*  59 */ {kIntel,     18,  0x0F10, 9,  kAnyL2,   "180 nm P4 / Xeon / Xeon MP / Celeron",          "Willamette",          kFamilyPentium4,   "Intel(R) Pentium(R) 4 Processor"},
/*  60 */ {kIntel,     3,   0x0F10, 10, kAnyL2,   "180 nm P4 / Xeon / Xeon MP / Celeron",          "Willamette",          kFamilyPentium4,   "Intel(R) Celeron(R) Processor"},
/*  61 */ {kIntel,     21,  0x0F10, 11, kAnyL2,   "180 nm P4 / Xeon / Xeon MP / Celeron",          "Foster",              kFamilyPentium4,   "Intel(R) Xeon(TM) Processor"},
/*  62 */ {kIntel,     23,  0x0F10, 12, kAnyL2,   "180 nm P4 / Xeon / Xeon MP / Celeron",          "Foster MP",           kFamilyPentium4,   "Intel(R) Xeon(TM) Processor MP"},
/*  63 */ {kIntel,     3,   0x0F13, 10, kAnyL2,   "180 nm P4 / Xeon / Xeon MP / Celeron",          "Willamette",          kFamilyPentium4,   "Intel(R) Celeron(R) Processor"},
/*  64 */ {kIntel,     23,  0x0F13, 11, kAnyL2,   "180 nm P4 / Xeon / Xeon MP / Celeron",          "Foster MP",           kFamilyPentium4,   "Intel(R) Xeon(TM) Processor MP"},
/*  65 */ {kIntel,     19,  0x0F20, 9,  kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Northwood",           kFamilyPentium4,   "Intel(R) Pentium(R) 4 Processor"},
/*  66 */ {kIntel,     20,  0x0F20, 10, kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Northwood",           kFamilyPentium4,   "Intel(R) Celeron(R) Processor"},
/*  67 */ {kIntel,     24,  0x0F20, 11, kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Gallatin",            kFamilyPentium4,   "Intel(R) Xeon(TM) Processor MP"},
/*  68 */ {kIntel,     24,  0x0F20, 12, kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Gallatin",            kFamilyPentium4,   "Intel(R) Xeon(TM) Processor MP"},
/*  69 */ {kIntel,     26,  0x0F20, 15, kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Northwood",           kFamilyPentium4,   "Mobile Intel(R) Celeron(R) Processor"},
/*  70 */ {kIntel,     22,  0x0F20, 11, kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Prestonia",           kFamilyPentium4,   "Intel(R) Xeon(TM) Processor"},
/*  71 */ {kIntel,     76,  0x0F23, 11, kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Prestonia",           kFamilyPentium4,   "Intel(R) Xeon(TM) Processor"},
/*  72 */ {kIntel,     25,  0x0F23, 14, kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Northwood",           kFamilyPentium4,   "Mobile Intel(R) Pentium(R) 4 Processor-M"},
/*  73 */ {kIntel,     75,  0x0F25, 9,  kAnyL2,   "130 nm P4 / Xeon / Xeon MP / Celeron / Mobile", "Northwood",           kFamilyPentium4,   "Intel(R) Pentium(R) 4 Processor with HT Technology Extreme Edition"},
/*  74 */ {kIntel,     96,  0x0F30, 9,  kAnyL2,   "90 nm P4 / Xeon / Xeon MP / Celeron / Mobile",  "Prescott",            kFamilyPentium4,   "Intel(R) Celeron(R) Processor"},
/*  75 */ {kIntel,     83,  0x0F30, 9,  kAnyL2,   "90 nm P4 / Xeon / Xeon MP / Celeron / Mobile",  "Prescott",            kFamilyPentium4,   "Intel(R) Pentium(R) 4 Processor with HT Technology"},
/*  76 */ {kIntel,     84,  0x0F30, 11, kAnyL2,   "90 nm P4 / Xeon / Xeon MP / Celeron / Mobile",  "Nocona",              kFamilyPentium4,   "Intel(R) Xeon(TM) Processor"},
/*  77 */ {kIntel,     85,  0x0F30, 12, kAnyL2,   "90 nm P4 / Xeon / Xeon MP / Celeron / Mobile",  "Potomac",             kFamilyPentium4,   "Intel(R) Xeon(TM) Processor MP"},
/*  78 */ {kIntel,     86,  0x0F40, 9,  kAnyL2,   "65 nm P4 / Xeon",                               "Tejas",               kFamilyPentium4,   "Intel(R) Pentium(R) 4 Processor with HT Technology"},
/*  79 */ {kIntel,     88,  0x0F40, 11, kAnyL2,   "65 nm P4 / Xeon",                               "Tulsa",               kFamilyPentium4,   "Intel(R) Xeon(TM) Processor"},
/*  80 */ {kIntel,     255, 0x0F40, 0,  kAnyL2,   "Pentium(R) 5",                                  "Pentium(R) 5",        kFamilyPentium5,   "Unknown New Processor"},
          // AMD: 486 and 5x86
/*  81 */ {kAmd,       73,  0x0400, 0,  kAnyL2,   "0.70 \xB5m Am486DX",                            "P4",                  kFamilyAm486,      "Am486DX Processor"},
/*  82 */ {kAmd,       72,  0x0430, 0,  kAnyL2,   "0.50 \xB5m Am486DX2",                           "P24",                 kFamilyAm486,      "Am486DX2 Processor"},
/*  83 */ {kAmd,       72,  0x0470, 0,  kAnyL2,   "0.50 \xB5m Am486DX2",                           "P24",                 kFamilyAm486,      "Am486DX2 Processor"},
/*  84 */ {kAmd,       71,  0x0480, 0,  kAnyL2,   "0.50 \xB5m Am486DX4",                           "P24C",                kFamilyAm486,      "Am486DX4 Processor"},
/*  85 */ {kAmd,       71,  0x0490, 0,  kAnyL2,   "0.50 \xB5m Am486DX4",                           "P24C",                kFamilyAm486,      "Am486DX4 Processor"},
/*  86 */ {kAmd,       70,  0x04E0, 0,  kAnyL2,   "0.35 \xB5m Am5x86",                             "X5",                  kFamilyAm486,      "Am5x86 Processor"},
/*  87 */ {kAmd,       70,  0x04F0, 0,  kAnyL2,   "0.35 \xB5m Am5x86",                             "X5",                  kFamilyAm486,      "Am5x86 Processor"},
          // AMD: K5 and K6
/*  88 */ {kAmd,       61,  0x0500, 0,  kAnyL2,   "0.50 \xB5m SSA5 (75-100)",                      "SSA5",                kFamilyK5K6,       "AMD-K5(tm) Processor"},
/*  89 */ {kAmd,       62,  0x0510, 0,  kAnyL2,   "0.35 \xB5m 5K86 (120-133)",                     "5k86",                kFamilyK5K6,       "AMD-K5(tm) Processor"},
/*  90 */ {kAmd,       63,  0x0520, 0,  kAnyL2,   "0.35 \xB5m 5K86 (166)",                         "5k86",                kFamilyK5K6,       "AMD-K5(tm) Processor"},
/*  91 */ {kAmd,       64,  0x0530, 0,  kAnyL2,   "0.35 \xB5m 5K86 (200)",                         "5k86",                kFamilyK5K6,       "AMD-K5(tm) Processor"},
/*  92 */ {kAmd,       65,  0x0560, 0,  kAnyL2,   "0.30 \xB5m K6",                                 "HA",                  kFamilyK5K6,       "AMD-K6tm w/ multimedia extensions"},
/*  93 */ {kAmd,       66,  0x0570, 0,  kAnyL2,   "0.25 \xB5m K6",                                 "Little Foot",         kFamilyK5K6,       "AMD-K6tm w/ multimedia extensions"},
/*  94 */ {kAmd,       67,  0x0580, 0,  kAnyL2,   "0.25 \xB5m K6-2",                               "Chomper",             kFamilyK5K6,       "AMD-K6(tm)-2 Processor"},
/*  95 */ {kAmd,       68,  0x0590, 0,  kAnyL2,   "0.25 \xB5m K6-III",                             "Sharptooth",          kFamilyK5K6,       "AMD-K6(tm)-III Processor"},
/*  96 */ {kAmd,       69,  0x05D0, 0,  Kb(256),  "0.18 \xB5m K6-2+ / K6-III+",                    "Sharptooth",          kFamilyK5K6,       "AMD-K6(tm)-III+ Processor"},
/*  97 */ {kAmd,       74,  0x05D0, 0,  kAnyL2,   "0.18 \xB5m K6-2+ / K6-III+",                    "Sharptooth",          kFamilyK5K6,       "AMD-K6(tm)-2+ Processor"},
          // AMD: K7
/*  98 */ {kAmd,       27,  0x0600, 0,  kAnyL2,   "0.25 \xB5m Athlon",                             "Argon",               kFamilyK7,         "AMD Athlon(tm) Processor"},
/*  99 */ {kAmd,       27,  0x0610, 0,  kAnyL2,   "0.25 \xB5m Athlon",                             "Argon",               kFamilyK7,         "AMD Athlon(tm) Processor"},
/* 100 */ {kAmd,       27,  0x0620, 0,  kAnyL2,   "0.18 \xB5m Athlon",                             "Pluto / Orion",       kFamilyK7,         "AMD Athlon(tm) Processor"},
/* 101 */ {kAmd,       29,  0x0630, 0,  kAnyL2,   "0.18 \xB5m Duron",                              "Spitfire",            kFamilyK7,         "AMD Duron(tm) Processor"},
/* 102 */ {kAmd,       28,  0x0640, 0,  kAnyL2,   "0.18 \xB5m Athlon TB",                          "Thunderbird",         kFamilyK7,         "AMD Athlon(tm) Processor"},
/* 103 */ {kAmd,       30,  0x0660, 0,  kAnyL2,   "0.18 \xB5m Athlon PM/XP",                       "Palomino / Corvette", kFamilyK7,         "AMD Athlon(tm) Processor"},
/* 104 */ {kAmd,       31,  0x0670, 0,  kAnyL2,   "0.18 \xB5m Duron MG",                           "Morgan / Camaro",     kFamilyK7,         "AMD Duron(tm) Processor"},
/* 105 */ {kAmd,       32,  0x0680, 0,  kAnyL2,   "0.13 \xB5m Athlon TH",                          "Thoroughbred",        kFamilyK7,         "AMD Athlon(tm) Processor"},
/* 106 */ {kAmd,       97,  0x0690, 0,  kAnyL2,   "0.13 \xB5m Athlon BT",                          "Appaloosa",           kFamilyK7,         "AMD Duron(tm) Processor"},
/* 107 */ {kAmd,       98,  0x06A0, 0,  Kb(256),  "0.13 \xB5m Athlon BT",                          "Sempron",             kFamilyK7,         "AMD Sempron(tm) Processor"},
/* 108 */ {kAmd,       33,  0x06A0, 0,  Kb(512),  "0.13 \xB5m Athlon BT",                          "Barton",              kFamilyK7,         "AMD Athlon(tm) Processor"},
          // AMD: K8
/* 109 */ {kAmd,       77,  0x0F40, 0,  kAnyL2,   "0.13 \xB5m Opteron DP / Athlon 64 FX",          "ClawHammer",          kFamilyK8,         "AMD Athlon 64(tm) Processor"},
/* 110 */ {kAmd,       34,  0x0F50, 0,  kAnyL2,   "0.13 \xB5m Opteron DP / Athlon 64 FX",          "SledgeHammer",        kFamilyK8,         "AMD Opteron(tm) Processor"},
/* 111 */ {kAmd,       87,  0x0F50, 0,  kAnyL2,   "0.13 \xB5m Opteron DP / Athlon 64 FX",          "SledgeHammer",        kFamilyK8,         "AMD Athlon 64 FX(tm) Processor"},
/* 112 */ {kAmd,       89,  0x0F50, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "Athens",              kFamilyK8,         "AMD Opteron(tm) Processor"},
/* 113 */ {kAmd,       106, 0x0F50, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "Troy",                kFamilyK8,         "AMD Opteron(tm) Processor"},
/* 114 */ {kAmd,       107, 0x0F50, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "Venus",               kFamilyK8,         "AMD Opteron(tm) Processor"},
/* 115 */ {kAmd,       90,  0x0F40, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "San Diego",           kFamilyK8,         "AMD Athlon 64(tm) Processor"},
/* 116 */ {kAmd,       91,  0x0F40, 0,  kAnyL2,   "0.13 \xB5m Opteron DP / Athlon 64 FX",          "Odessa",              kFamilyK8,         "AMD Mobile Athlon 64(tm) Processor"},
/* 117 */ {kAmd,       92,  0x0F40, 0,  kAnyL2,   "0.13 \xB5m Opteron DP / Athlon 64 FX",          "Newcastle",           kFamilyK8,         "AMD Athlon 64(tm) Processor"},
/* 118 */ {kAmd,       108, 0x0F40, 0,  kAnyL2,   "90 nm Athlon 64",                               "Winchester",          kFamilyK8,         "AMD Athlon 64(tm) Processor"},
/* 119 */ {kAmd,       100, 0x0F70, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "Egypt",               kFamilyK8,         "AMD Opteron(tm) Duel Core Processor"},
/* 120 */ {kAmd,       104, 0x0F70, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "Italy",               kFamilyK8,         "AMD Opteron(tm) Duel Core Processor"},
/* 121 */ {kAmd,       105, 0x0F70, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "Denmark",             kFamilyK8,         "AMD Opteron(tm) Duel Core Processor"},
/* 122 */ {kAmd,       99,  0x0F60, 0,  kAnyL2,   "90 nm Opteron DP / Athlon 64 FX",               "Toledo",              kFamilyK8,         "AMD Athlon 64(tm) Duel Core Processor"},
/* 123 */ {kAmd,       101, 0x0F60, 0,  kAnyL2,   "65 nm Opteron DP / Athlon 64 FX",               nullptr,               kFamilyK8,         "Unknown New Processor"},
/* 124 */ {kAmd,       255, 0x0F90, 0,  kAnyL2,   "K9",                                            "K9",                  kFamilyK9,         "Unknown New Processor"},
          // Transmeta
/* 125 */ {kTransmeta, 54,  0x0542, 0,  kAnyL2,   "0.22 \xB5m TM3x00",                             "TM3120",              kFamilyCrusoe,     "Transmeta Crusoe TM3200"},
/* 126 */ {kTransmeta, 55,  0x0543, 0,  Kb(256),  "0.22 \xB5m TM5400",                             "TM5400",              kFamilyCrusoe,     "Transmeta Crusoe TM5400"},
/* 127 */ {kTransmeta, 56,  0x0543, 0,  Kb(256),  "0.13 \xB5m TM5x00",                             "TM5500",              kFamilyCrusoe,     "Transmeta Crusoe TM5500"},
/* 128 */ {kTransmeta, 57,  0x0543, 0,  Kb(512),  "0.18 \xB5m TM5x00",                             "TM5600",              kFamilyCrusoe,     "Transmeta Crusoe TM5600"},
/* 129 */ {kTransmeta, 81,  0x0543, 0,  Kb(256),  "0.13 \xB5m TM5x00",                             "TM5700",              kFamilyCrusoe,     "Transmeta Crusoe TM5700"},
/* 130 */ {kTransmeta, 58,  0x0543, 0,  Kb(512),  "0.13 \xB5m TM5x00",                             "TM5800",              kFamilyCrusoe,     "Transmeta Crusoe TM5800"},
/* 131 */ {kTransmeta, 82,  0x0543, 0,  Kb(512),  "0.13 \xB5m TM5x00",                             "TM5900",              kFamilyCrusoe,     "Transmeta Crusoe TM5900"},
/* 132 */ {kTransmeta, 102, 0x0543, 0,  Kb(512),  "0.13 \xB5m TM6000",                             "Solo",                kFamilyCrusoe,     "Transmeta Crusoe TM6000"},
/* 133 */ {kTransmeta, 80,  0x0544, 0,  Kb(1024), "0.09 \xB5m / 0.13 \xB5m TM8xx0",                "Astro",               kFamilyCrusoe,     "Transmeta Efficeon TM8xx0"},
          // the end of the table: word 0 is kTableEndWord
          {0xFFFF, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr},
};
// clang-format on
static_assert(sizeof kProcessorTable / sizeof kProcessorTable[0] == kDatabaseEntryCount + 1,
              "133 entries and the end");

enum Month : uint8_t { kJan = 1, kFeb, kMar, kApr, kMay, kJun, kJul, kAug, kSep, kOct, kNov, kDec };
constexpr IntroDate kUnknownDate = {kUnknownMonth, 0};

// The introduction date in its packed widths: month 1-12, year 1900-2155.
constexpr IntroDate Introduced(Month month, uint32_t year) {
    return year >= 1900 && year - 1900 <= 0xFF ? IntroDate{month, static_cast<uint8_t>(year - 1900)}
                                               : IntroDate{month, static_cast<uint8_t>(ValueDoesNotFitItsField())};
}

enum GatesUnit : uint8_t { kUnits = kGatesUnits, kThousands = kGatesThousands, kMillions = kGatesMillions };

// The transistor count as printed: a 24-bit number and its unit.
constexpr GatesCount Gates(uint32_t number, GatesUnit unit) {
    return number <= 0xFFFFFF ? GatesCount{number, unit} : GatesCount{ValueDoesNotFitItsField(), unit};
}

// clang-format off
// Keys 0 to 108 in order, then 255 (announced processors); no terminator. Key 0 is the empty
// class shown when no entry matched.
constexpr ClassStatsEntry kClassStats[] = {
//   key  introduced               gates                    MHz   bus  L1                  L2                  L3
    {0,   kUnknownDate,            Gates(0, kUnits),        0,    0,   nullptr,            nullptr,            nullptr},
    {1,   Introduced(kMar, 1993),  Gates(3100, kThousands), 66,   66,  "8KB D, 8K I",      "Up to 512 (Ext)",  nullptr},
    {2,   Introduced(kMay, 1997),  Gates(37, kMillions),    366,  66,  "16KB D, 16K I",    "Up to 512 (Ext)",  nullptr},
    {3,   Introduced(kMay, 2002),  Gates(42, kMillions),    1800, 100, "12KB D, 8KB T",    "128 on die",       nullptr},
    {4,   Introduced(kJan, 1997),  Gates(4500, kThousands), 233,  66,  "16KB D, 16K I",    "Up to 512 (Ext)",  nullptr},
    {5,   Introduced(kAug, 1998),  Gates(37, kMillions),    450,  100, "16KB D, 16K I",    "512 on pack",      nullptr},
    {6,   Introduced(kApr, 1998),  Gates(7500, kThousands), 300,  66,  "16KB D, 16K I",    "None",             nullptr},
    {7,   Introduced(kAug, 1998),  Gates(19, kMillions),    533,  66,  "16KB D, 16K I",    "128 on die",       nullptr},
    {8,   Introduced(kNov, 1989), Gates(67, kMillions),    200,  66,  "8KB D, 8K I",      "1024 on die",      nullptr},
    {9,   Introduced(kFeb, 1999),  Gates(44, kMillions),    600,  133, "16KB D, 16K I",    "512 on pack",      nullptr},
    {10,  Introduced(kJun, 1998),  Gates(139, kMillions),   450,  100, "16KB D, 16K I",    "2048 on pack",     nullptr},
    {11,  Introduced(kFeb, 1999),  Gates(140, kMillions),   550,  100, "16KB D, 16K I",    "2048 on pack",     nullptr},
    {12,  Introduced(kAug, 1999),  Gates(44, kMillions),    1133, 133, "16KB D, 16K I",    "256 on die",       nullptr},
    {13,  Introduced(kSep, 1999),  Gates(140, kMillions),   900,  100, "16KB D, 16K I",    "1024 on die",      nullptr},
    {14,  Introduced(kMar, 2000),  Gates(44, kMillions),    1400, 100, "16KB D, 16K I",    "256 on die",       nullptr},
    {15,  Introduced(kSep, 1999),  Gates(44, kMillions),    1300, 133, "16KB D, 16K I",    "512 on die",       nullptr},
    {16,  Introduced(kFeb, 2000),  Gates(44, kMillions),    1333, 100, "16KB D, 16K I",    "256 on die",       nullptr},
    {17,  Introduced(kMar, 2003),  Gates(77, kMillions),    1700, 100, "32KB D, 32K I",    "1024 on die",      nullptr},
    {18,  Introduced(kNov, 2000), Gates(42, kMillions),    2000, 100, "12KB D, 8KB T",    "256 on die",       nullptr},
    {19,  Introduced(kJan, 2002),  Gates(55, kMillions),    3400, 200, "12KB D, 8KB T",    "512 on die",       nullptr},
    {20,  Introduced(kSep, 2002),  Gates(55, kMillions),    2800, 100, "12KB D, 8KB T",    "128 on die",       nullptr},
    {21,  Introduced(kMay, 2001),  Gates(42, kMillions),    2000, 100, "12KB D, 8KB T",    "256 on die",       nullptr},
    {22,  Introduced(kJan, 2002),  Gates(55, kMillions),    3060, 100, "12KB D, 8KB T",    "512 on die",       nullptr},
    {23,  Introduced(kMar, 2002),  Gates(125, kMillions),   1600, 100, "12KB D, 8KB T",    "256 on die",       "1024 on die"},
    {24,  Introduced(kNov, 2002), Gates(190, kMillions),   3000, 100, "12KB D, 8KB T",    "512 on die",       "4096 on die"},
    {25,  Introduced(kMar, 2002),  Gates(55, kMillions),    3200, 133, "12KB D, 8KB T",    "512 on die",       nullptr},
    {26,  Introduced(kJun, 2002),  Gates(55, kMillions),    2500, 100, "12KB D, 8KB T",    "256 on die",       nullptr},
    {27,  Introduced(kJun, 1999),  Gates(22, kMillions),    1000, 100, "64KB D, 64K I",    "2048 on pack",     nullptr},
    {28,  Introduced(kJun, 2000),  Gates(37, kMillions),    1400, 133, "64KB D, 64K I",    "256 on die",       nullptr},
    {29,  Introduced(kJun, 2000),  Gates(25, kMillions),    950,  100, "64KB D, 64K I",    "64 on die",        nullptr},
    {30,  Introduced(kMay, 2001),  Gates(38, kMillions),    1733, 100, "64KB D, 64K I",    "256 on die",       nullptr},
    {31,  Introduced(kMay, 2001),  Gates(25, kMillions),    1300, 100, "64KB D, 64K I",    "64 on die",        nullptr},
    {32,  Introduced(kOct, 2001), Gates(38, kMillions),    2248, 166, "64KB D, 64K I",    "256 on die",       nullptr},
    {33,  Introduced(kFeb, 2003),  Gates(54, kMillions),    2200, 200, "64KB D, 64K I",    "512 on die",       nullptr},
    {34,  Introduced(kApr, 2003),  Gates(106, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {35,  Introduced(kOct, 1971), Gates(2, kThousands),    0,    0,   "None",             "None",             nullptr},
    {36,  Introduced(kApr, 1972),  Gates(3, kThousands),    0,    0,   "None",             "None",             nullptr},
    {37,  Introduced(kApr, 1974),  Gates(4, kThousands),    2,    2,   "None",             "None",             nullptr},
    {38,  Introduced(kMar, 1976),  Gates(6, kThousands),    5,    5,   "None",             "None",             nullptr},
    {39,  Introduced(kJun, 1978),  Gates(29, kThousands),   10,   10,  "None",             "None",             nullptr},
    {40,  Introduced(kJun, 1979),  Gates(29, kThousands),   8,    8,   "None",             "None",             nullptr},
    {41,  Introduced(kJan, 1982),  Gates(29, kThousands),   12,   12,  "None",             "None",             nullptr},
    {42,  Introduced(kFeb, 1982),  Gates(134, kThousands),  12,   12,  "None",             "None",             nullptr},
    {43,  Introduced(kSep, 1985),  Gates(275, kThousands),  33,   33,  "None",             "Up to 128 (Ext)",  nullptr},
    {44,  Introduced(kJun, 1988),  Gates(275, kThousands),  33,   33,  "None",             "None",             nullptr},
    {45,  Introduced(kOct, 1990), Gates(855, kThousands),  25,   25,  "None",             "None",             nullptr},
    {46,  Introduced(kJun, 1989),  Gates(1200, kThousands), 50,   50,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {47,  Introduced(kSep, 1991),  Gates(1185, kThousands), 33,   33,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {48,  Introduced(kMar, 1992),  Gates(1200, kThousands), 66,   33,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {49,  Introduced(kNov, 1992), Gates(1400, kThousands), 33,   33,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {50,  Introduced(kJun, 1989),  Gates(1200, kThousands), 66,   33,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {51,  Introduced(kOct, 1992), Gates(1200, kThousands), 66,   33,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {52,  Introduced(kMar, 1994),  Gates(1600, kThousands), 100,  33,  "16KB",             "Up to 512 (Ext)",  nullptr},
    {53,  Introduced(kSep, 1994),  Gates(3100, kThousands), 200,  66,  "8KB D, 8K I",      "512 on pack",      nullptr},
    {54,  Introduced(kJan, 2000),  Gates(37, kMillions),    400,  133, "32KB D, 64KB I",   "None",             nullptr},
    {55,  Introduced(kJan, 2000),  Gates(37, kMillions),    700,  133, "64KB D, 64K I",    "256 on die",       nullptr},
    {56,  Introduced(kJun, 2001),  Gates(37, kMillions),    800,  133, "64KB D, 64K I",    "256 on die",       nullptr},
    {57,  Introduced(kOct, 2000), Gates(37, kMillions),    700,  133, "64KB D, 64K I",    "512 on die",       nullptr},
    {58,  Introduced(kJun, 2001),  Gates(37, kMillions),    1000, 133, "64KB D, 64K I",    "512 on die",       nullptr},
    {59,  Introduced(kJan, 1997),  Gates(4500, kThousands), 266,  66,  "16KB D, 16K I",    "Up to 512 (Ext)",  nullptr},
    {60,  Introduced(kJan, 1999),  Gates(19, kMillions),    400,  66,  "16KB D, 16K I",    "256 on die",       nullptr},
    {61,  Introduced(kMar, 1996),  Gates(4300, kThousands), 100,  66,  "8KB D, 16K I",     "Up to 1024 (Ext)", nullptr},
    {62,  Introduced(kOct, 1996), Gates(4300, kThousands), 100,  66,  "8KB D, 16K I",     "Up to 1024 (Ext)", nullptr},
    {63,  Introduced(kOct, 1996), Gates(4300, kThousands), 100,  66,  "8KB D, 16K I",     "Up to 1024 (Ext)", nullptr},
    {64,  Introduced(kJan, 1997),  Gates(4300, kThousands), 117,  66,  "8KB D, 16K I",     "Up to 1024 (Ext)", nullptr},
    {65,  Introduced(kApr, 1997),  Gates(8800, kThousands), 233,  66,  "32KB D, 32K I",    "Up to 1024 (Ext)", nullptr},
    {66,  Introduced(kJan, 1998),  Gates(8800, kThousands), 300,  66,  "32KB D, 32K I",    "Up to 1024 (Ext)", nullptr},
    {67,  Introduced(kMay, 1998),  Gates(9300, kThousands), 533,  100, "32KB D, 32K I",    "Up to 1024 (Ext)", nullptr},
    {68,  Introduced(kFeb, 1999),  Gates(21, kMillions),    500,  100, "32KB D, 32K I",    "256 on die",       "Up to 1024 (Ext)"},
    {69,  Introduced(kApr, 2000),  Gates(21, kMillions),    500,  100, "32KB D, 32K I",    "256 on die",       "Up to 1024 (Ext)"},
    {70,  Introduced(kNov, 1995), Gates(1600, kThousands), 160,  33,  "16KB",             "Up to 512 (Ext)",  nullptr},
    {71,  Introduced(kSep, 1994),  Gates(1250, kThousands), 120,  40,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {72,  Introduced(kOct, 1993), Gates(1250, kThousands), 80,   40,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {73,  Introduced(kApr, 1993),  Gates(1250, kThousands), 40,   40,  "8KB",              "Up to 512 (Ext)",  nullptr},
    {74,  Introduced(kApr, 2000),  Gates(21, kMillions),    500,  100, "32KB D, 32K I",    "128 on die",       "Up to 1024 (Ext)"},
    {75,  Introduced(kNov, 2003), Gates(190, kMillions),   3460, 266, "12KB D, 8KB T",    "512 on die",       "2048 on die"},
    {76,  Introduced(kNov, 2002), Gates(114, kMillions),   3200, 133, "12KB D, 8KB T",    "512 on die",       "2048 on die"},
    {77,  Introduced(kSep, 2003),  Gates(106, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {78,  Introduced(kMay, 2004),  Gates(144, kMillions),   2100, 100, "32KB D, 32K I",    "2048 on die",      nullptr},
    {79,  Introduced(kJan, 2004),  Gates(77, kMillions),    1300, 100, "32KB D, 32K I",    "512 on die",       nullptr},
    {80,  Introduced(kOct, 2003), Gates(37, kMillions),    1300, 200, "64KB D, 128KB I",  "1024 on die",      nullptr},
    {81,  Introduced(kJan, 2004),  Gates(37, kMillions),    667,  133, "64KB D, 64K I",    "256 on die",       nullptr},
    {82,  Introduced(kJan, 2004),  Gates(37, kMillions),    1000, 133, "64KB D, 64K I",    "512 on die",       nullptr},
    {83,  Introduced(kFeb, 2004),  Gates(55, kMillions),    3800, 200, "20KB D, 8KB T",    "1024 on die",      nullptr},
    {84,  Introduced(kJun, 2004),  Gates(114, kMillions),   3600, 200, "12KB D, 8KB T",    "1024 on die",      nullptr},
    {85,  Introduced(kJun, 2004),  Gates(190, kMillions),   3600, 200, "12KB D, 8KB T",    "1024 on die",      nullptr},
    {86,  Introduced(kNov, 2004), Gates(55, kMillions),    3600, 200, "20KB D, 8KB T",    "1024 on die",      nullptr},
    {87,  Introduced(kSep, 2003),  Gates(106, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {88,  Introduced(kOct, 2005), Gates(114, kMillions),   3600, 200, "12KB D, 8KB T",    "1024 on die",      nullptr},
    {89,  Introduced(kDec, 2004), Gates(106, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {90,  Introduced(kApr, 2005),  Gates(68, kMillions),    2400, 200, "64KB D, 64K I",    "512 on die",       nullptr},
    {91,  Introduced(kJan, 2004),  Gates(68, kMillions),    2200, 200, "64KB D, 64K I",    "512 on die",       nullptr},
    {92,  Introduced(kJun, 2004),  Gates(68, kMillions),    2400, 200, "64KB D, 64K I",    "512 on die",       nullptr},
    {93,  Introduced(kJun, 1998),  Gates(139, kMillions),   450,  100, "16KB D, 16K I",    "1024 on pack",     nullptr},
    {94,  Introduced(kApr, 1998),  Gates(37, kMillions),    300,  66,  "16KB D, 16K I",    "512 on pack",      nullptr},
    {95,  Introduced(kSep, 2000),  Gates(44, kMillions),    600,  100, "16KB D, 16K I",    "128 on die",       nullptr},
    {96,  Introduced(kJun, 2004),  Gates(55, kMillions),    3060, 133, "20KB D, 8KB T",    "256 on die",       nullptr},
    {97,  Introduced(kFeb, 2004),  Gates(54, kMillions),    1800, 133, "64KB D, 64K I",    "64 on die",        nullptr},
    {98,  Introduced(kAug, 2004),  Gates(54, kMillions),    2086, 200, "64KB D, 64K I",    "256 on die",       nullptr},
    {99,  Introduced(kJul, 2005),  Gates(200, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {100, Introduced(kJul, 2005),  Gates(200, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {101, Introduced(kFeb, 2006),  Gates(106, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {102, Introduced(kOct, 2003), Gates(37, kMillions),    1000, 200, "64KB D, 64K I",    "512 on die",       nullptr},
    {103, Introduced(kJan, 2002),  Gates(44, kMillions),    1400, 133, "16KB D, 16K I",    "512 on die",       nullptr},
    {104, Introduced(kJul, 2005),  Gates(200, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {105, Introduced(kJul, 2005),  Gates(200, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {106, Introduced(kDec, 2004), Gates(106, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {107, Introduced(kDec, 2004), Gates(106, kMillions),   2400, 200, "64KB D, 64K I",    "1024 on die",      nullptr},
    {108, Introduced(kOct, 2004), Gates(68, kMillions),    2200, 200, "64KB D, 64K I",    "512 on die",       nullptr},
    {255, Introduced(kJun, 2007),  Gates(199, kMillions),   5000, 800, "128KB D, 128KB I", "4096 on die",      "4096 on die"},
};
// clang-format on
constexpr uint32_t kClassCount = sizeof kClassStats / sizeof kClassStats[0];
constexpr bool KeysInOrder() {
    for (uint32_t i = 0; i + 1 < kClassCount; ++i)
        if (kClassStats[i].key != i) return false;
    return kClassStats[kClassCount - 1].key == 255;
}
static_assert(kClassCount == 110 && KeysInOrder(), "keys 0-108 in order, then 255");

}  // namespace

uint32_t EntryFirstWord(uint32_t position) {
    const DatabaseEntry& entry = kProcessorTable[position - 1];
    return entry.vendorIndex | static_cast<uint32_t>(entry.statsKey) << 16;
}

const DatabaseEntry& EntryAt(uint32_t position) {
    return kProcessorTable[position - 1];
}

// Scans from the first entry, as the keys are not positions (255 follows 108).
const ClassStatsEntry& ClassStatsFor(uint32_t key) {
    for (const ClassStatsEntry& entry : kClassStats)
        if (entry.key == key) return entry;
    return kClassStats[0];
}

const char* MonthName(uint32_t month) {
    static constexpr const char* kMonths[] = {"Jan ", "Feb ", "Mar ", "Apr ", "May ", "Jun ",
                                              "Jul ", "Aug ", "Sep ", "Oct ", "Nov ", "Dec "};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "";
}
