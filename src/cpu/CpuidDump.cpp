// Dump replay: the lines of any format DumpFormat.h lists, first line of a leaf and sub-leaf holds. Plain C
// memory and files: the command-line tool links no C++ runtime library.
#include "cpu/CpuidDump.h"

#include <cstdlib>

#include "cpu/DumpFormat.h"

namespace {

// Longest line worth keeping; the longest valid line ("cpuid -r") is 79 bytes plus blanks, a
// note of the registers' text makes a "CPUID" line at most 70.
constexpr size_t kLineCapacity = 128;
constexpr size_t kChunk = 65536;

// Tried in this order on each line; the patterns' first texts keep them apart.
constexpr const DumpFormat* kFormats[] = {&kCpuidLineFormat, &kCpuidRawFormat, &kRawSaveFormat};

}  // namespace

CpuidDump::~CpuidDump() { std::free(leaves_); }

void CpuidDump::Clear() {
    count_ = 0;
    nextOrder_ = 0;
    format_ = nullptr;
    firstBlockEnded_ = false;
    mixedFormats_ = false;
    leaf0Taken_ = false;
    lastLeaf_ = 0;
    orderedRun_ = 0;
}

// The first leaf line decides the format. Every sub-leaf is kept, only from the first
// processor's block, which a header of the next processor or a second leaf 0 ends; a leaf line of
// another format makes the dump unreadable. Unmarked lines that repeat one leaf are its sub-leaves
// in order from 0.
void CpuidDump::TakeLine(const char* line, size_t length) {
    for (const DumpFormat* format : kFormats) {
        DumpLine read;
        const LineKind kind = ReadDumpLine(*format, line, length, read);
        if (kind == LineKind::kOther) continue;
        if (format_ == nullptr && kind == LineKind::kLeaf) format_ = format;
        if (format != format_) {
            if (kind == LineKind::kLeaf) mixedFormats_ = true;
        } else if (kind == LineKind::kNextProcessor || (read.leaf == 0 && leaf0Taken_)) {
            firstBlockEnded_ = true;
        } else if (!firstBlockEnded_) {
            const bool repeated = read.subLeafByOrder && orderedRun_ != 0 && read.leaf == lastLeaf_;
            if (read.subLeafByOrder) read.subLeaf = repeated ? orderedRun_ : 0;
            orderedRun_ = read.subLeafByOrder ? read.subLeaf + 1 : 0;
            lastLeaf_ = read.leaf;
            leaf0Taken_ = leaf0Taken_ || read.leaf == 0;
            Append(read.leaf, read.subLeaf, read.regs);
        }
        return;
    }
}

// Lines past the leaf limit are dropped; the limit counts lines, so it bounds memory whatever
// repeats, and the first line of a leaf holds anyway.
void CpuidDump::Append(uint32_t leaf, uint32_t subLeaf, const CpuidRegisters& regs) {
    if (count_ == kDumpLeafLimit) return;
    if (count_ == capacity_) {
        const size_t grown = capacity_ == 0 ? 64 : capacity_ * 2;
        Leaf* larger = static_cast<Leaf*>(std::realloc(leaves_, grown * sizeof(Leaf)));
        if (larger == nullptr) return;
        leaves_ = larger;
        capacity_ = grown;
    }
    leaves_[count_++] = Leaf{leaf, subLeaf, nextOrder_++, regs};
}

void CpuidDump::SortAndKeepFirst() {
    if (count_ < 2) return;
    std::qsort(leaves_, count_, sizeof(Leaf), [](const void* a, const void* b) {
        const Leaf& x = *static_cast<const Leaf*>(a);
        const Leaf& y = *static_cast<const Leaf*>(b);
        if (x.leaf != y.leaf) return x.leaf < y.leaf ? -1 : 1;
        if (x.subLeaf != y.subLeaf) return x.subLeaf < y.subLeaf ? -1 : 1;
        return x.order < y.order ? -1 : x.order > y.order ? 1 : 0;
    });
    size_t kept = 0;
    for (size_t i = 0; i < count_; ++i) {
        const Leaf& last = leaves_[kept == 0 ? 0 : kept - 1];
        if (kept == 0 || last.leaf != leaves_[i].leaf || last.subLeaf != leaves_[i].subLeaf) leaves_[kept++] = leaves_[i];
    }
    count_ = kept;
}

const CpuidDump::Leaf* CpuidDump::Find(uint32_t leaf, uint32_t subLeaf) const {
    size_t low = 0;
    size_t high = count_;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const Leaf& at = leaves_[middle];
        if (at.leaf < leaf || (at.leaf == leaf && at.subLeaf < subLeaf)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low < count_ && leaves_[low].leaf == leaf && leaves_[low].subLeaf == subLeaf ? &leaves_[low] : nullptr;
}

CpuidDump::LoadResult CpuidDump::Finish() {
    SortAndKeepFirst();
    if (mixedFormats_) return LoadResult::kMixedFormats;
    return count_ != 0 ? LoadResult::kLoaded : LoadResult::kNoLeaf;
}

// Splits text into lines; a line too long to be a dump line is skipped whole.
CpuidDump::LoadResult CpuidDump::LoadText(const char* text, size_t length) {
    Clear();
    for (size_t start = 0; start < length;) {
        size_t end = start;
        while (end < length && text[end] != '\n') ++end;
        if (end - start <= kLineCapacity) TakeLine(text + start, end - start);
        start = end + 1;
    }
    return Finish();
}

// Lines are gathered into a bounded buffer; the rest of an overlong line is read and dropped,
// and no more than kDumpInputLimit bytes are read, so neither memory nor time grows with input.
CpuidDump::LoadResult CpuidDump::LoadStream(FILE* stream) {
    Clear();
    static char chunk[kChunk];
    char line[kLineCapacity];
    size_t length = 0;
    bool overlong = false;
    size_t total = 0;
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, stream)) > 0;) {
        total += got;
        if (total > kDumpInputLimit) return LoadResult::kTooLarge;
        for (size_t i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\n') {
                if (!overlong) TakeLine(line, length);
                length = 0;
                overlong = false;
            } else if (length < sizeof line) {   // as in LoadText: up to kLineCapacity bytes, no more
                line[length++] = c;
            } else {
                overlong = true;
            }
        }
    }
    if (std::ferror(stream)) return LoadResult::kUnreadable;
    if (!overlong) TakeLine(line, length);
    return Finish();
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

void CpuidDump::Set(uint32_t leaf, uint32_t subLeaf, const CpuidRegisters& regs) {
    for (size_t i = 0; i < count_; ++i) {
        if (leaves_[i].leaf == leaf && leaves_[i].subLeaf == subLeaf) {
            leaves_[i].regs = regs;
            return;
        }
    }
    Append(leaf, subLeaf, regs);
    SortAndKeepFirst();
}

void CpuidDump::SetToggleableFlags(uint32_t mask) { toggleableFlags_ = mask; }

bool CpuidDump::CanToggleFlag(uint32_t mask) { return (toggleableFlags_ & mask) == mask; }

CpuidRegisters CpuidDump::Execute(uint32_t leaf, uint32_t subLeaf) {
    const Leaf* found = Find(leaf, subLeaf);
    return found != nullptr ? found->regs : CpuidRegisters{0, 0, 0, 0};
}
