// The dump formats the replay reads, each a table of line patterns matched piece by piece.
#pragma once
#include <cstddef>
#include <cstdint>

#include "cpu/CpuidSource.h"

// Where a number read from a line goes.
enum class Slot : uint8_t { kNone, kLeaf, kSubLeaf, kEax, kEbx, kEcx, kEdx };

enum class Piece : uint8_t {
    kText,          // exactly text
    kBlanks,        // blanks or tabs, none or more
    kHex,           // minDigits to maxDigits hexadecimal digits, into slot
    kDecimal,       // minDigits to maxDigits decimal digits, into slot
    kSubLeafNote,   // blanks and "[SL hh]", hh into slot; or nothing, and the line's sub-leaf
                    // then follows from the order of its leaf's lines
    kNote,          // blanks and "[any text]" ending the line, "]" optional; or nothing
    kRest,          // any text up to the end
    kEnd,           // only blanks, tabs or a CR remain; ends every pattern
};

struct LinePiece {
    Piece piece;
    const char* text;
    uint8_t minDigits;
    uint8_t maxDigits;
    Slot slot;
};

enum class LineKind : uint8_t { kOther, kLeaf, kNextProcessor };

// What the number read into the leaf slot counts: leaves from leafBase, or the sub-leaves of
// leaf leafBase (an array of one leaf's sub-leaves).
enum class LineIndex : uint8_t { kLeaves, kSubLeaves };

// A line that starts with prefix and then matches pieces.
struct LinePattern {
    LineKind kind;
    const char* prefix;
    uint32_t leafBase;
    LineIndex index;
    const LinePiece* pieces;
};

struct DumpFormat {
    const LinePattern* patterns;
    size_t patternCount;
};

struct DumpLine {
    uint32_t leaf;
    uint32_t subLeaf;
    CpuidRegisters regs;
    bool subLeafByOrder;   // no "[SL hh]" where the format may put one
};

// The kind of the first pattern of format that line matches, and for a leaf line what it says.
LineKind ReadDumpLine(const DumpFormat& format, const char* line, size_t length, DumpLine& read);

extern const DumpFormat kCpuidLineFormat;   // "CPUID 00000001: EAX-EBX-ECX-EDX [note]"
extern const DumpFormat kCpuidRawFormat;    // cpuid -r: "   0x00000001 0x00: eax=0x... edx=0x..."
extern const DumpFormat kRawSaveFormat;     // cpuid_tool --save: "basic_cpuid[1]=EAX EBX ECX EDX"
