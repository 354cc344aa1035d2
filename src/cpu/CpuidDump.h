// CpuidSource that replays a plain-text CPUID dump, or answers leaves set by hand.
#pragma once
#include <cstddef>
#include <cstdio>

#include "cpu/CpuidSource.h"

struct DumpFormat;

// What a dump may hold at most: input beyond the first 64 MiB is refused, and leaf lines beyond
// the first 65,536 are left out (a real processor lists fewer than a hundred leaves).
constexpr size_t kDumpInputLimit = 64u << 20;
constexpr size_t kDumpLeafLimit = 65536;

class CpuidDump : public CpuidSource {
public:
    enum class LoadResult { kLoaded, kUnreadable, kNoLeaf, kTooLarge, kMixedFormats };

    CpuidDump() = default;
    ~CpuidDump();
    CpuidDump(const CpuidDump&) = delete;
    CpuidDump& operator=(const CpuidDump&) = delete;

    // Replaces the contents with the dump's leaves, in any of the formats DumpFormat.h lists.
    LoadResult LoadStream(FILE* stream);
    LoadResult LoadFile(const char* path);
    LoadResult LoadText(const char* text, size_t length);
    void Set(uint32_t leaf, uint32_t subLeaf, const CpuidRegisters& regs);
    // EFLAGS bits that can be toggled; both bits 18 and 21 unless told otherwise.
    void SetToggleableFlags(uint32_t mask);

    bool CanToggleFlag(uint32_t mask) override;
    CpuidRegisters Execute(uint32_t leaf, uint32_t subLeaf) override;

private:
    struct Leaf {
        uint32_t leaf;
        uint32_t subLeaf;
        uint32_t order;   // which line came first
        CpuidRegisters regs;
    };
    void TakeLine(const char* line, size_t length);
    void Append(uint32_t leaf, uint32_t subLeaf, const CpuidRegisters& regs);
    LoadResult Finish();
    void SortAndKeepFirst();
    const Leaf* Find(uint32_t leaf, uint32_t subLeaf) const;
    void Clear();

    Leaf* leaves_ = nullptr;   // sorted by leaf and sub-leaf, one entry each, after every load
    size_t count_ = 0;
    size_t capacity_ = 0;
    uint32_t nextOrder_ = 0;
    // What the lines read so far say: the format of the first leaf line, whether the first
    // processor's block has ended, whether a leaf line of another format came, whether leaf 0 came.
    const DumpFormat* format_ = nullptr;
    bool firstBlockEnded_ = false;
    bool mixedFormats_ = false;
    bool leaf0Taken_ = false;
    // The leaf of the last line taken, and how many unmarked lines of it came in a row.
    uint32_t lastLeaf_ = 0;
    uint32_t orderedRun_ = 0;
    uint32_t toggleableFlags_ = kAlignmentCheckFlag | kIdFlag;
};
