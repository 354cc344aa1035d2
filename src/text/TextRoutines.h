// Text routines on zero-terminated 8-bit texts, writing into caller buffers.
#pragma once
#include <cstddef>
#include <cstdint>

// Longest DecimalText: "-2147483648" plus the terminator.
constexpr size_t kDecimalTextSize = 12;
// HexText: eight digits plus the terminator.
constexpr size_t kHexTextSize = 9;

void DecimalText(int32_t value, char* output);   // output: kDecimalTextSize bytes
void HexText(uint32_t value, char* output);      // output: kHexTextSize bytes
int FindText(int start, const char* text, const char* pattern);
void TrimLeading(const char* source, char* output, size_t capacity);
void ReverseText(const char* source, char* output, size_t capacity);
void CopySpan(const char* source, char* output, size_t offset, size_t count);
size_t TextLength(const char* text);
bool SameText(const char* a, const char* b);   // byte for byte, case-sensitive
// The unsigned decimal number at the start of text after leading blanks, up to the first
// character that is no digit; 0 when there is none; 4294967295 for anything larger.
uint32_t ReadDecimal(const char* text);

// Composing texts in fixed buffers: both always leave a terminated text that
// fits capacity, cutting what does not fit.
void CopyText(const char* source, char* output, size_t capacity);
void AppendText(const char* source, char* output, size_t capacity);
void AppendDecimal(int32_t value, char* output, size_t capacity);
// An unsigned value in decimal, every value up to 4294967295.
void AppendUnsigned(uint32_t value, char* output, size_t capacity);
// The same for every value up to 18446744073709551615.
void AppendUnsignedWide(uint64_t value, char* output, size_t capacity);
