// The raw output of "cpuid -r": a "CPU N:" line ("CPU:" with -1) opens each processor's block,
// then one line per leaf and sub-leaf, "   0x00000004 0x01: eax=0x... ebx=0x... ecx=0x... edx=0x...".
#include "cpu/DumpFormat.h"

// clang-format off
static constexpr LinePiece kLeafLine[] = {
//   piece           text        digits  slot
    {Piece::kBlanks, "",         0, 0,   Slot::kNone},
    {Piece::kText,   "0x",       0, 0,   Slot::kNone},
    {Piece::kHex,    "",         8, 8,   Slot::kLeaf},
    {Piece::kText,   " 0x",      0, 0,   Slot::kNone},
    {Piece::kHex,    "",         1, 8,   Slot::kSubLeaf},
    {Piece::kText,   ": eax=0x", 0, 0,   Slot::kNone},
    {Piece::kHex,    "",         8, 8,   Slot::kEax},
    {Piece::kText,   " ebx=0x",  0, 0,   Slot::kNone},
    {Piece::kHex,    "",         8, 8,   Slot::kEbx},
    {Piece::kText,   " ecx=0x",  0, 0,   Slot::kNone},
    {Piece::kHex,    "",         8, 8,   Slot::kEcx},
    {Piece::kText,   " edx=0x",  0, 0,   Slot::kNone},
    {Piece::kHex,    "",         8, 8,   Slot::kEdx},
    {Piece::kEnd,    "",         0, 0,   Slot::kNone},
};

static constexpr LinePiece kProcessorLine[] = {
//   piece            text  digits  slot
    {Piece::kBlanks,  "",   0, 0,   Slot::kNone},
    {Piece::kDecimal, "",   0, 8,   Slot::kNone},
    {Piece::kText,    ":",  0, 0,   Slot::kNone},
    {Piece::kEnd,     "",   0, 0,   Slot::kNone},
};

static constexpr LinePattern kPatterns[] = {
//   kind                      prefix  leafBase  index               pieces
    {LineKind::kLeaf,          "",     0,        LineIndex::kLeaves, kLeafLine},
    {LineKind::kNextProcessor, "CPU",  0,        LineIndex::kLeaves, kProcessorLine},
};
// clang-format on

const DumpFormat kCpuidRawFormat = {kPatterns, sizeof kPatterns / sizeof kPatterns[0]};
