// The Unicode characters of the single-byte Windows-1252 texts the program keeps.
#pragma once
#include <cstdint>

// The Unicode code point of a Windows-1252 byte; the five bytes the code page leaves unassigned
// map to the C1 control of the same number, as Windows itself converts them.
uint32_t Windows1252CodePoint(uint8_t byte);
