// "CPUID LLLLLLLL: EAX-EBX-ECX-EDX" lines, as --dump writes them, and as the public dump
// collections write them with a bracketed note after the registers: their text
// ("[GenuineIntel]") or, for a leaf listed once per sub-leaf, the sub-leaf ("[SL 01]").
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

static constexpr LinePattern kPatterns[] = {
//   kind             prefix    leafBase  pieces
    {LineKind::kLeaf, "CPUID ", 0,        kLeafLine},
};
// clang-format on

const DumpFormat kCpuidLineFormat = {kPatterns, sizeof kPatterns / sizeof kPatterns[0]};
