// Text routines shared by every subsystem: numbers to text, searching, copying.
#include "text/TextRoutines.h"

#include "text/WideDivide.h"

void DecimalText(int32_t value, char* output) {
    // Work on the magnitude as unsigned so the most negative value has one too.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    char* out = output;
    if (value < 0) *out++ = '-';
    while (count > 0) *out++ = digits[--count];
    *out = '\0';
}

void HexText(uint32_t value, char* output) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = 7; i >= 0; --i) {
        output[i] = kDigits[value & 0xF];
        value >>= 4;
    }
    output[8] = '\0';
}

int FindText(int start, const char* text, const char* pattern) {
    const size_t textLength = TextLength(text);
    const size_t patternLength = TextLength(pattern);
    if (patternLength >= textLength) return -1;
    if (start < 1 || static_cast<size_t>(start) - 1 + patternLength > textLength) return -2;
    for (size_t at = static_cast<size_t>(start) - 1; at + patternLength <= textLength; ++at) {
        size_t matched = 0;
        while (matched < patternLength && text[at + matched] == pattern[matched]) ++matched;
        if (matched == patternLength) return static_cast<int>(at + 1);
    }
    return 0;
}

void TrimLeading(const char* source, char* output, size_t capacity) {
    while (*source == ' ' || *source == '\t') ++source;
    CopyText(source, output, capacity);
}

void ReverseText(const char* source, char* output, size_t capacity) {
    if (capacity == 0) return;
    size_t length = TextLength(source);
    if (length > capacity - 1) length = capacity - 1;
    for (size_t i = 0; i < length; ++i) output[i] = source[length - 1 - i];
    output[length] = '\0';
}

// Copies at most count bytes and stops early at the source's terminator, so a
// span reaching past the end of the source never reads beyond it.
void CopySpan(const char* source, char* output, size_t offset, size_t count) {
    const size_t length = TextLength(source);
    size_t copied = 0;
    if (offset < length) {
        for (; copied < count && source[offset + copied] != '\0'; ++copied)
            output[copied] = source[offset + copied];
    }
    output[copied] = '\0';
}

size_t TextLength(const char* text) {
    size_t length = 0;
    while (text[length] != '\0') ++length;
    return length;
}

bool SameText(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

uint32_t ReadDecimal(const char* text) {
    while (*text == ' ') ++text;
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const uint32_t digit = static_cast<uint32_t>(*text - '0');
        value = value > (0xFFFFFFFFu - digit) / 10 ? 0xFFFFFFFFu : value * 10 + digit;
    }
    return value;
}

void CopyText(const char* source, char* output, size_t capacity) {
    if (capacity == 0) return;
    output[0] = '\0';
    AppendText(source, output, capacity);
}

void AppendText(const char* source, char* output, size_t capacity) {
    if (capacity == 0) return;
    size_t length = TextLength(output);
    while (*source != '\0' && length + 1 < capacity) output[length++] = *source++;
    output[length] = '\0';
}

void AppendDecimal(int32_t value, char* output, size_t capacity) {
    char digits[kDecimalTextSize];
    DecimalText(value, digits);
    AppendText(digits, output, capacity);
}

// DecimalText is signed, so the last digit is appended on its own: every value then fits.
void AppendUnsigned(uint32_t value, char* output, size_t capacity) {
    if (value >= 10) AppendDecimal(static_cast<int32_t>(value / 10), output, capacity);
    AppendDecimal(static_cast<int32_t>(value % 10), output, capacity);
}

// A 64-bit '/' would call a runtime helper the executable does not have.
void AppendUnsignedWide(uint64_t value, char* output, size_t capacity) {
    if (value >> 32 == 0) {
        AppendUnsigned(static_cast<uint32_t>(value), output, capacity);
        return;
    }
    const uint64_t tens = DivideWide(value, 10);
    AppendUnsignedWide(tens, output, capacity);
    AppendUnsigned(static_cast<uint32_t>(value - tens * 10), output, capacity);
}
