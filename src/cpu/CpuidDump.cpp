// Dump replay: "CPUID LLLLLLLL: EAX-EBX-ECX-EDX" lines, first line of a leaf holds. Plain C
// memory and files: the command-line tool links no C++ runtime library.
#include "cpu/CpuidDump.h"

#include <cstdlib>

namespace {

// Longest line worth keeping; a valid line is 51 bytes plus trailing blanks.
constexpr size_t kLineCapacity = 128;
constexpr size_t kChunk = 65536;

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads exactly eight hex digits at text[at]; the caller has checked the length.
bool ReadHexWord(const char* text, size_t at, uint32_t& value) {
    value = 0;
    for (size_t i = 0; i < 8; ++i) {
        const int digit = HexDigitValue(text[at + i]);
        if (digit < 0) return false;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return true;
}

}  // namespace

CpuidDump::~CpuidDump() { std::free(leaves_); }

void CpuidDump::Clear() {
    count_ = 0;
    nextOrder_ = 0;
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
    Append(leaf, CpuidRegisters{words[0], words[1], words[2], words[3]});
    return true;
}

// Lines past the leaf limit are dropped; the limit counts lines, so it bounds memory whatever
// repeats, and the first line of a leaf holds anyway.
void CpuidDump::Append(uint32_t leaf, const CpuidRegisters& regs) {
    if (count_ == kDumpLeafLimit) return;
    if (count_ == capacity_) {
        const size_t grown = capacity_ == 0 ? 64 : capacity_ * 2;
        Leaf* larger = static_cast<Leaf*>(std::realloc(leaves_, grown * sizeof(Leaf)));
        if (larger == nullptr) return;
        leaves_ = larger;
        capacity_ = grown;
    }
    leaves_[count_++] = Leaf{leaf, nextOrder_++, regs};
}

void CpuidDump::SortAndKeepFirst() {
    if (count_ < 2) return;
    std::qsort(leaves_, count_, sizeof(Leaf), [](const void* a, const void* b) {
        const Leaf& x = *static_cast<const Leaf*>(a);
        const Leaf& y = *static_cast<const Leaf*>(b);
        if (x.leaf != y.leaf) return x.leaf < y.leaf ? -1 : 1;
        return x.order < y.order ? -1 : x.order > y.order ? 1 : 0;
    });
    size_t kept = 0;
    for (size_t i = 0; i < count_; ++i)
        if (kept == 0 || leaves_[kept - 1].leaf != leaves_[i].leaf) leaves_[kept++] = leaves_[i];
    count_ = kept;
}

const CpuidDump::Leaf* CpuidDump::Find(uint32_t leaf) const {
    size_t low = 0;
    size_t high = count_;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (leaves_[middle].leaf < leaf) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low < count_ && leaves_[low].leaf == leaf ? &leaves_[low] : nullptr;
}

// Splits text into lines; a line too long to be a CPUID line is skipped whole.
size_t CpuidDump::LoadText(const char* text, size_t length) {
    size_t taken = 0;
    for (size_t start = 0; start < length;) {
        size_t end = start;
        while (end < length && text[end] != '\n') ++end;
        if (end - start <= kLineCapacity && TakeLine(text + start, end - start)) ++taken;
        start = end + 1;
    }
    SortAndKeepFirst();
    return taken;
}

// Lines are gathered into a bounded buffer; the rest of an overlong line is read and dropped,
// and no more than kDumpInputLimit bytes are read, so neither memory nor time grows with input.
CpuidDump::LoadResult CpuidDump::LoadStream(FILE* stream) {
    Clear();
    static char chunk[kChunk];
    char line[kLineCapacity + 1];
    size_t length = 0;
    bool overlong = false;
    size_t taken = 0;
    size_t total = 0;
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;) {
        total += got;
        if (total > kDumpInputLimit) return LoadResult::kTooLarge;
        for (size_t i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\n') {
                if (!overlong && TakeLine(line, length)) ++taken;
                length = 0;
                overlong = false;
            } else if (length < sizeof line) {
                line[length++] = c;
            } else {
                overlong = true;
            }
        }
    }
    if (std::ferror(stream)) return LoadResult::kUnreadable;
    if (!overlong && TakeLine(line, length)) ++taken;
    SortAndKeepFirst();
    return taken != 0 ? LoadResult::kLoaded : LoadResult::kNoLeaf;
}

CpuidDump::LoadResult CpuidDump::LoadFile(const char* path) {
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        Clear();
        return LoadResult::kUnreadable;
    }
    const LoadResult result = LoadStream(file);
    std::fclose(file);
    return result;
}

void CpuidDump::Set(uint32_t leaf, const CpuidRegisters& regs) {
    for (size_t i = 0; i < count_; ++i) {
        if (leaves_[i].leaf == leaf) {
            leaves_[i].regs = regs;
            return;
        }
    }
    Append(leaf, regs);
    SortAndKeepFirst();
}

void CpuidDump::SetToggleableFlags(uint32_t mask) { toggleableFlags_ = mask; }

bool CpuidDump::CanToggleFlag(uint32_t mask) { return (toggleableFlags_ & mask) == mask; }

CpuidRegisters CpuidDump::Execute(uint32_t leaf) {
    const Leaf* found = Find(leaf);
    return found != nullptr ? found->regs : CpuidRegisters{0, 0, 0, 0};
}
