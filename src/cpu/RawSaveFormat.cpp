// The raw save of "cpuid_tool --save": a "Logical CPU #N" line opens each processor's block,
// then "basic_cpuid[N]=EAX EBX ECX EDX" for leaf N and "ext_cpuid[N]=..." for leaf 80000000h + N
// (N decimal), and one array per leaf with sub-leaves, "intel_fn4[N]=..." for sub-leaf N of leaf 4.
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
//   kind                      prefix                             leafBase    index                  pieces
    {LineKind::kLeaf,          "basic_cpuid[",                    0,          LineIndex::kLeaves,    kLeafLine},
    {LineKind::kLeaf,          "ext_cpuid[",                      0x80000000, LineIndex::kLeaves,    kLeafLine},
    {LineKind::kLeaf,          "intel_fn4[",                      0x4,        LineIndex::kSubLeaves, kLeafLine},
    {LineKind::kLeaf,          "intel_fn11[",                     0xB,        LineIndex::kSubLeaves, kLeafLine},
    {LineKind::kLeaf,          "intel_fn12h[",                    0x12,       LineIndex::kSubLeaves, kLeafLine},
    {LineKind::kLeaf,          "intel_fn14h[",                    0x14,       LineIndex::kSubLeaves, kLeafLine},
    {LineKind::kLeaf,          "amd_fn8000001dh[",                0x8000001D, LineIndex::kSubLeaves, kLeafLine},
    {LineKind::kNextProcessor, "_________________ Logical CPU #", 0,          LineIndex::kLeaves,    kProcessorLine},
};
// clang-format on

const DumpFormat kRawSaveFormat = {kPatterns, sizeof kPatterns / sizeof kPatterns[0]};
