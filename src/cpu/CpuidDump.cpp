// Dump replay: "CPUID LLLLLLLL: EAX-EBX-ECX-EDX" lines, first line of a leaf holds.
#include "cpu/CpuidDump.h"

#include <cstdio>

// Longest line worth keeping; a valid line is 51 bytes plus trailing blanks.
static constexpr size_t kLineCapacity = 128;

static int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads exactly eight hex digits at text[at]; the caller has checked the length.
static bool ReadHexWord(const char* text, size_t at, uint32_t& value) {
    value = 0;
    for (size_t i = 0; i < 8; ++i) {
        int digit = HexDigitValue(text[at + i]);
        if (digit < 0) return false;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return true;
}

// Layout: "CPUID " at 0, leaf at 6, ": " at 14, then four words at 16, 25,
// 34 and 43 separated by '-'; only blanks or a CR may follow.
bool CpuidDump::TakeLine(const char* line, size_t length) {
    static constexpr char kPrefix[] = "CPUID ";
    static constexpr size_t kWordAt[4] = {16, 25, 34, 43};
    static constexpr size_t kMinimumLength = 51;
    if (length < kMinimumLength) return false;
    for (size_t i = 0; i < sizeof kPrefix - 1; ++i)
        if (line[i] != kPrefix[i]) return false;
    if (line[14] != ':' || line[15] != ' ') return false;
    if (line[24] != '-' || line[33] != '-' || line[42] != '-') return false;
    for (size_t i = kMinimumLength; i < length; ++i)
        if (line[i] != ' ' && line[i] != '\t' && line[i] != '\r') return false;
    uint32_t leaf;
    uint32_t words[4];
    if (!ReadHexWord(line, 6, leaf)) return false;
    for (size_t i = 0; i < 4; ++i)
        if (!ReadHexWord(line, kWordAt[i], words[i])) return false;
    leaves.emplace(leaf, CpuidRegisters{words[0], words[1], words[2], words[3]});
    return true;
}

// Splits text into lines; a line too long to be a CPUID line is skipped whole.
size_t CpuidDump::LoadText(const char* text, size_t length) {
    size_t taken = 0;
    size_t start = 0;
    while (start < length) {
        size_t end = start;
        while (end < length && text[end] != '\n') ++end;
        const size_t lineLength = end - start;
        if (lineLength <= kLineCapacity && TakeLine(text + start, lineLength)) ++taken;
        start = end + 1;
    }
    return taken;
}

bool CpuidDump::LoadFile(const char* path) {
    leaves.clear();
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    // Lines are gathered into a bounded buffer; the rest of an overlong line
    // is read and dropped so that no line can grow memory.
    char line[kLineCapacity + 1];
    size_t length = 0;
    bool overlong = false;
    size_t taken = 0;
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        if (c == '\n') {
            if (!overlong) taken += LoadText(line, length);
            length = 0;
            overlong = false;
        } else if (length < sizeof line) {
            line[length++] = static_cast<char>(c);
        } else {
            overlong = true;
        }
    }
    if (!overlong) taken += LoadText(line, length);
    std::fclose(file);
    return taken != 0;
}

void CpuidDump::Set(uint32_t leaf, const CpuidRegisters& regs) { leaves[leaf] = regs; }

void CpuidDump::SetToggleableFlags(uint32_t mask) { toggleableFlags = mask; }

bool CpuidDump::CanToggleFlag(uint32_t mask) { return (toggleableFlags & mask) == mask; }

CpuidRegisters CpuidDump::Execute(uint32_t leaf) {
    executed.push_back(leaf);
    auto found = leaves.find(leaf);
    if (found == leaves.end()) return CpuidRegisters{0, 0, 0, 0};
    return found->second;
}

bool CpuidDump::Executed(uint32_t leaf) const {
    for (uint32_t done : executed)
        if (done == leaf) return true;
    return false;
}
