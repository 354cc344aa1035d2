// tivrel-cpuid's named fields, written as "name: value" lines or as the members of one JSON object.
#pragma once
#include <cstdint>
#include <cstdio>

#include "cache/CacheGrid.h"

enum class FieldStyle : uint8_t { kLines, kJson };

struct FieldWriter {
    FILE* out;
    FieldStyle style;
    bool first;   // no field written yet
};

void BeginFields(FieldWriter& writer);
// A Windows-1252 text; JSON gets it in UTF-8.
void WriteTextField(FieldWriter& writer, const char* name, const char* value);
// The name may take a suffix (".rowCount").
void WriteNumberField(FieldWriter& writer, const char* name, uint32_t value, const char* suffix = "");
// Eight hex digits; JSON gets the number, and the digits as nameHex.
void WriteHexField(FieldWriter& writer, const char* name, uint32_t value);
// name.rowCount, then the rows: name[N] lines, or one array of five-cell arrays.
void WriteGridFields(FieldWriter& writer, const char* name, const CacheGrid& grid);
// A line per value, or one array.
void WriteNumberList(FieldWriter& writer, const char* name, const uint32_t* values, int count);
// One line of the words parted by blanks, or one array of strings.
void WriteWordList(FieldWriter& writer, const char* name, const char* const* words, int count);
void EndFields(FieldWriter& writer);
