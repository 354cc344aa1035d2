// Matching a dump line against a format's patterns, piece by piece: bounded by the line's
// length, no regular-expression library.
#include "cpu/DumpFormat.h"

namespace {

constexpr size_t kSlotCount = 7;
static_assert(static_cast<size_t>(Slot::kEdx) + 1 == kSlotCount, "one value per slot");

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int DigitValue(char c, uint32_t radix) {
    const int value = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : 99;
    return value < static_cast<int>(radix) ? value : -1;
}

bool ReadText(const char* line, size_t length, size_t& at, const char* text) {
    for (; *text != '\0'; ++text, ++at)
        if (at == length || line[at] != *text) return false;
    return true;
}

// The piece's digit counts bound the value: at most 8 digits, so it fits 32 bits.
bool ReadNumber(const char* line, size_t length, size_t& at, uint32_t radix, const LinePiece& piece,
                uint32_t& value) {
    value = 0;
    size_t count = 0;
    for (int digit; at < length && count < piece.maxDigits && (digit = DigitValue(line[at], radix)) >= 0; ++at, ++count)
        value = value * radix + static_cast<uint32_t>(digit);
    return count >= piece.minDigits;
}

size_t SkipBlanks(const char* line, size_t length, size_t at) {
    while (at < length && IsBlank(line[at])) ++at;
    return at;
}

// Where the line's text ends: blanks, tabs and a CR after it do not count.
size_t ContentEnd(const char* line, size_t length) {
    while (length > 0 && (IsBlank(line[length - 1]) || line[length - 1] == '\r')) --length;
    return length;
}

// A note is set off by at least one blank and runs to the end of the line; its closing ']' may
// be missing (published dumps cut long notes short).
bool ReadNote(const char* line, size_t length, size_t& at) {
    const size_t end = ContentEnd(line, length);
    if (at >= end) return true;
    const size_t open = SkipBlanks(line, end, at);
    if (open == at || line[open] != '[') return false;
    at = end;
    return true;
}

// "[SL hh]": once it begins, it must be whole; anything else is left to the next piece.
bool ReadSubLeafNote(const char* line, size_t length, size_t& at, const LinePiece& piece, uint32_t& value,
                     bool& byOrder) {
    size_t next = SkipBlanks(line, length, at);
    byOrder = next == at || !ReadText(line, length, next, "[SL ");
    if (byOrder) return true;
    if (!ReadNumber(line, length, next, 16, piece, value) || !ReadText(line, length, next, "]")) return false;
    at = next;
    return true;
}

bool MatchPieces(const LinePiece* pieces, const char* line, size_t length, size_t at, uint32_t (&values)[kSlotCount],
                 bool& byOrder) {
    for (const LinePiece* piece = pieces;; ++piece) {
        uint32_t& value = values[static_cast<size_t>(piece->slot)];
        bool matched = true;
        switch (piece->piece) {
        case Piece::kText: matched = ReadText(line, length, at, piece->text); break;
        case Piece::kBlanks: at = SkipBlanks(line, length, at); break;
        case Piece::kHex: matched = ReadNumber(line, length, at, 16, *piece, value); break;
        case Piece::kDecimal: matched = ReadNumber(line, length, at, 10, *piece, value); break;
        case Piece::kSubLeafNote: matched = ReadSubLeafNote(line, length, at, *piece, value, byOrder); break;
        case Piece::kNote: matched = ReadNote(line, length, at); break;
        case Piece::kRest: at = length; break;
        case Piece::kEnd: return at >= ContentEnd(line, length);
        }
        if (!matched) return false;
    }
}

}  // namespace

LineKind ReadDumpLine(const DumpFormat& format, const char* line, size_t length, DumpLine& read) {
    for (size_t p = 0; p < format.patternCount; ++p) {
        const LinePattern& pattern = format.patterns[p];
        uint32_t values[kSlotCount] = {};
        size_t at = 0;
        bool byOrder = false;
        if (!ReadText(line, length, at, pattern.prefix) ||
            !MatchPieces(pattern.pieces, line, length, at, values, byOrder))
            continue;
        const uint32_t index = values[static_cast<size_t>(Slot::kLeaf)];
        const bool subLeaves = pattern.index == LineIndex::kSubLeaves;
        read = DumpLine{pattern.leafBase + (subLeaves ? 0 : index),
                        subLeaves ? index : values[static_cast<size_t>(Slot::kSubLeaf)],
                        {values[static_cast<size_t>(Slot::kEax)], values[static_cast<size_t>(Slot::kEbx)],
                         values[static_cast<size_t>(Slot::kEcx)], values[static_cast<size_t>(Slot::kEdx)]},
                        byOrder};
        return pattern.kind;
    }
    return LineKind::kOther;
}
