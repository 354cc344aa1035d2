// Field lines and their JSON twin: the same names in the same order, so a script may read either.
#include "tools/FieldWriter.h"

#include "text/TextRoutines.h"

namespace {

struct CodePointRow {
    uint8_t byte;
    uint16_t codePoint;
};

// clang-format off
// Windows-1252 bytes 80h-9Fh that stand for characters; the five others (81h, 8Dh, 8Fh, 90h,
// 9Dh) and every byte from A0h are the code point of the same number, as in Latin-1.
static constexpr CodePointRow kWindows1252[] = {
//   byte  code point
    {0x80, 0x20AC},   // euro sign
    {0x82, 0x201A},   // single low-9 quotation mark
    {0x83, 0x0192},   // f with hook
    {0x84, 0x201E},   // double low-9 quotation mark
    {0x85, 0x2026},   // horizontal ellipsis
    {0x86, 0x2020},   // dagger
    {0x87, 0x2021},   // double dagger
    {0x88, 0x02C6},   // modifier circumflex
    {0x89, 0x2030},   // per mille sign
    {0x8A, 0x0160},   // S with caron
    {0x8B, 0x2039},   // single left angle quotation mark
    {0x8C, 0x0152},   // ligature OE
    {0x8E, 0x017D},   // Z with caron
    {0x91, 0x2018},   // left single quotation mark
    {0x92, 0x2019},   // right single quotation mark
    {0x93, 0x201C},   // left double quotation mark
    {0x94, 0x201D},   // right double quotation mark
    {0x95, 0x2022},   // bullet
    {0x96, 0x2013},   // en dash
    {0x97, 0x2014},   // em dash
    {0x98, 0x02DC},   // small tilde
    {0x99, 0x2122},   // trade mark sign
    {0x9A, 0x0161},   // s with caron
    {0x9B, 0x203A},   // single right angle quotation mark
    {0x9C, 0x0153},   // ligature oe
    {0x9E, 0x017E},   // z with caron
    {0x9F, 0x0178},   // Y with diaeresis
};
// clang-format on
static_assert(sizeof kWindows1252 / sizeof kWindows1252[0] == 27, "32 bytes less the five unassigned");

uint32_t Windows1252CodePoint(uint8_t byte) {
    for (const CodePointRow& row : kWindows1252)
        if (row.byte == byte) return row.codePoint;
    return byte;
}

// A JSON string: quote, backslash and control bytes escaped, everything else in UTF-8.
void PrintJsonText(FILE* out, const char* text) {
    std::fputc('"', out);
    for (const char* at = text; *at != '\0'; ++at) {
        const uint8_t byte = static_cast<uint8_t>(*at);
        const uint32_t code = Windows1252CodePoint(byte);
        if (byte == '"' || byte == '\\') {
            std::fprintf(out, "\\%c", byte);
        } else if (byte < 0x20) {
            std::fprintf(out, "\\u%04X", byte);
        } else if (code < 0x80) {
            std::fputc(byte, out);
        } else if (code < 0x800) {
            std::fputc(static_cast<int>(0xC0 | (code >> 6)), out);
            std::fputc(static_cast<int>(0x80 | (code & 0x3F)), out);
        } else {
            std::fputc(static_cast<int>(0xE0 | (code >> 12)), out);
            std::fputc(static_cast<int>(0x80 | ((code >> 6) & 0x3F)), out);
            std::fputc(static_cast<int>(0x80 | (code & 0x3F)), out);
        }
    }
    std::fputc('"', out);
}

// JSON: the separator and the member's name; lines: the name.
void BeginField(FieldWriter& writer, const char* name, const char* suffix = "") {
    if (writer.style == FieldStyle::kLines) {
        std::fprintf(writer.out, "%s%s: ", name, suffix);
        return;
    }
    std::fprintf(writer.out, "%s\n  \"%s%s\": ", writer.first ? "" : ",", name, suffix);
    writer.first = false;
}

void EndLine(FieldWriter& writer) {
    if (writer.style == FieldStyle::kLines) std::fputc('\n', writer.out);
}

}  // namespace

void BeginFields(FieldWriter& writer) {
    writer.first = true;
    if (writer.style == FieldStyle::kJson) std::fputc('{', writer.out);
}

void WriteTextField(FieldWriter& writer, const char* name, const char* value) {
    BeginField(writer, name);
    if (writer.style == FieldStyle::kJson) {
        PrintJsonText(writer.out, value);
    } else {
        std::fputs(value, writer.out);
    }
    EndLine(writer);
}

void WriteNumberField(FieldWriter& writer, const char* name, uint32_t value) {
    BeginField(writer, name);
    std::fprintf(writer.out, "%lu", static_cast<unsigned long>(value));
    EndLine(writer);
}

void WriteHexField(FieldWriter& writer, const char* name, uint32_t value) {
    char digits[kHexTextSize];
    HexText(value, digits);
    if (writer.style == FieldStyle::kLines) {
        WriteTextField(writer, name, digits);
        return;
    }
    WriteNumberField(writer, name, value);
    BeginField(writer, name, "Hex");
    PrintJsonText(writer.out, digits);
}

void WriteGridFields(FieldWriter& writer, const char* name, const CacheGrid& grid) {
    BeginField(writer, name, ".rowCount");
    std::fprintf(writer.out, "%lu", static_cast<unsigned long>(grid.rowCount));
    EndLine(writer);
    const uint32_t rows = grid.rowCount < kCacheGridRows ? grid.rowCount : kCacheGridRows;
    if (writer.style == FieldStyle::kJson) {
        BeginField(writer, name);
        std::fputc('[', writer.out);
    }
    for (uint32_t r = 0; r < rows; ++r) {
        const CacheRow& row = grid.rows[r];
        if (writer.style == FieldStyle::kLines) {
            std::fprintf(writer.out, "%s[%lu]: %s | %s | %s | %s | %s\n", name, static_cast<unsigned long>(r),
                         row.cells[0], row.cells[1], row.cells[2], row.cells[3], row.cells[4]);
            continue;
        }
        std::fputs(r == 0 ? "\n    [" : ",\n    [", writer.out);
        for (size_t c = 0; c < kCacheRowCells; ++c) {
            if (c != 0) std::fputs(", ", writer.out);
            PrintJsonText(writer.out, row.cells[c]);
        }
        std::fputc(']', writer.out);
    }
    if (writer.style == FieldStyle::kJson) std::fputs(rows == 0 ? "]" : "\n  ]", writer.out);
}

void WriteNumberList(FieldWriter& writer, const char* name, const uint32_t* values, int count) {
    if (writer.style == FieldStyle::kLines) {
        for (int i = 0; i < count; ++i) WriteNumberField(writer, name, values[i]);
        return;
    }
    BeginField(writer, name);
    std::fputc('[', writer.out);
    for (int i = 0; i < count; ++i) std::fprintf(writer.out, "%s%lu", i == 0 ? "" : ", ", static_cast<unsigned long>(values[i]));
    std::fputc(']', writer.out);
}

void EndFields(FieldWriter& writer) {
    if (writer.style == FieldStyle::kJson) std::fputs("\n}\n", writer.out);
}
