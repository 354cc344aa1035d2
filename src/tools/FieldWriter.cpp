// Field lines and their JSON twin: the same names in the same order, so a script may read either.
#include "tools/FieldWriter.h"

#include "text/TextRoutines.h"
#include "text/Windows1252.h"

namespace {

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

void WriteNumberField(FieldWriter& writer, const char* name, uint32_t value, const char* suffix) {
    BeginField(writer, name, suffix);
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
    WriteNumberField(writer, name, grid.rowCount, ".rowCount");
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

void WriteWordList(FieldWriter& writer, const char* name, const char* const* words, int count) {
    BeginField(writer, name);
    if (writer.style == FieldStyle::kJson) std::fputc('[', writer.out);
    for (int i = 0; i < count; ++i) {
        if (i != 0) std::fputs(writer.style == FieldStyle::kJson ? ", " : " ", writer.out);
        if (writer.style == FieldStyle::kJson) {
            PrintJsonText(writer.out, words[i]);
        } else {
            std::fputs(words[i], writer.out);
        }
    }
    if (writer.style == FieldStyle::kJson) std::fputc(']', writer.out);
    EndLine(writer);
}

void EndFields(FieldWriter& writer) {
    if (writer.style == FieldStyle::kJson) std::fputs("\n}\n", writer.out);
}
