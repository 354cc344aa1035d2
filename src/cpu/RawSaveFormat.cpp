// The raw save of "cpuid_tool --save": a "Logical CPU #N" line opens each processor's block,
// then "basic_cpuid[N]=EAX EBX ECX EDX" for leaf N and "ext_cpuid[N]=..." for leaf 80000000h + N
// (N decimal); the other arrays it writes hold sub-leaves and are not read.
#include "cpu/DumpFormat.h"

// clang-format off
static constexpr LinePiece kLeafLine[] = {
//   piece            text   digits  slot
    {Piece::kDecimal, "",    1, 8,   Slot::kLeaf},
    {Piece::kText,    "]=",  0, 0,   Slot::kNone},
    {Piece::kHex,     "",    8, 8,   Slot::kEax},
    {Piece::kText,    " ",   0, 0,   Slot::kNone},
    {Piece::kHex,     "",    8, 8,   Slot::kEbx},
    {Piece::kText,    " ",   0, 0,   Slot::kNone},
    {Piece::kHex,     "",    8, 8,   Slot::kEcx},
    {Piece::kText,    " ",   0, 0,   Slot::kNone},
    {Piece::kHex,     "",    8, 8,   Slot::kEdx},
    {Piece::kEnd,     "",    0, 0,   Slot::kNone},
};

static constexpr LinePiece kProcessorLine[] = {
//   piece            text                  digits  slot
    {Piece::kDecimal, "",                   1, 8,   Slot::kNone},
    {Piece::kText,    " _________________", 0, 0,   Slot::kNone},
    {Piece::kEnd,     "",                   0, 0,   Slot::kNone},
};

// 8 decimal digits keep leafBase + N within 32 bits.
static constexpr LinePattern kPatterns[] = {
//   kind                      prefix                             leafBase    pieces
    {LineKind::kLeaf,          "basic_cpuid[",                    0,          kLeafLine},
    {LineKind::kLeaf,          "ext_cpuid[",                      0x80000000, kLeafLine},
    {LineKind::kNextProcessor, "_________________ Logical CPU #", 0,          kProcessorLine},
};
// clang-format on

const DumpFormat kRawSaveFormat = {kPatterns, sizeof kPatterns / sizeof kPatterns[0]};
