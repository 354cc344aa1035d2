// "CPUID LLLLLLLL: EAX-EBX-ECX-EDX" lines, as --dump writes them ("[SL 01]" after a sub-leaf),
// and as the public dump collections write them with a bracketed note after the registers:
// their text ("[GenuineIntel]"), the sub-leaf ("[SL 01]"), or nothing on the repeated lines of a
// leaf with sub-leaves. A collection's file may list every logical processor, each under a
// header ("------[ Logical CPU #1 ]------", "CPUID Registers (CPU #2):").
#include "cpu/DumpFormat.h"

// clang-format off
static constexpr LinePiece kLeafLine[] = {
//   piece                text  digits  slot
    {Piece::kHex,         "",   8, 8,   Slot::kLeaf},
    {Piece::kText,        ": ", 0, 0,   Slot::kNone},
    {Piece::kHex,         "",   8, 8,   Slot::kEax},
    {Piece::kText,        "-",  0, 0,   Slot::kNone},
    {Piece::kHex,         "",   8, 8,   Slot::kEbx},
    {Piece::kText,        "-",  0, 0,   Slot::kNone},
    {Piece::kHex,         "",   8, 8,   Slot::kEcx},
    {Piece::kText,        "-",  0, 0,   Slot::kNone},
    {Piece::kHex,         "",   8, 8,   Slot::kEdx},
    {Piece::kSubLeafNote, "",   2, 2,   Slot::kSubLeaf},
    {Piece::kNote,        "",   0, 0,   Slot::kNone},
    {Piece::kEnd,         "",   0, 0,   Slot::kNone},
};

static constexpr LinePiece kLogicalCpuLine[] = {
//   piece            text  digits  slot
    {Piece::kDecimal, "",   1, 8,   Slot::kNone},
    {Piece::kText,    " ]", 0, 0,   Slot::kNone},
    {Piece::kRest,    "",   0, 0,   Slot::kNone},
    {Piece::kEnd,     "",   0, 0,   Slot::kNone},
};

static constexpr LinePiece kRegistersOfCpuLine[] = {
//   piece            text  digits  slot
    {Piece::kDecimal, "",   1, 8,   Slot::kNone},
    {Piece::kText,    "):", 0, 0,   Slot::kNone},
    {Piece::kEnd,     "",   0, 0,   Slot::kNone},
};

static constexpr LinePattern kPatterns[] = {
//   kind                      prefix                    leafBase  index               pieces
    {LineKind::kLeaf,          "CPUID ",                 0,        LineIndex::kLeaves, kLeafLine},
    {LineKind::kNextProcessor, "------[ Logical CPU #",  0,        LineIndex::kLeaves, kLogicalCpuLine},
    {LineKind::kNextProcessor, "CPUID Registers (CPU #", 0,        LineIndex::kLeaves, kRegistersOfCpuLine},
};
// clang-format on

const DumpFormat kCpuidLineFormat = {kPatterns, sizeof kPatterns / sizeof kPatterns[0]};
