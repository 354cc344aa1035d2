// CpuidSource that replays a plain-text CPUID dump, or answers leaves set by hand.
#pragma once
#include <cstddef>
#include <cstdio>

#include "cpu/CpuidSource.h"

// What a dump may hold at most: input beyond the first 64 MiB is refused, and leaves beyond the
// first 65,536 distinct ones are left out (a real processor lists fewer than a hundred).
constexpr size_t kDumpInputLimit = 64u << 20;
constexpr size_t kDumpLeafLimit = 65536;

class CpuidDump : public CpuidSource {
public:
    enum class LoadResult { kLoaded, kUnreadable, kNoLeaf, kTooLarge };

    CpuidDump() = default;
    ~CpuidDump();
    CpuidDump(const CpuidDump&) = delete;
    CpuidDump& operator=(const CpuidDump&) = delete;

    // Replaces the contents with the dump's leaves.
    LoadResult LoadStream(FILE* stream);
    LoadResult LoadFile(const char* path);
    // Adds the CPUID lines of text (any bytes); returns how many lines were taken.
    size_t LoadText(const char* text, size_t length);
    void Set(uint32_t leaf, const CpuidRegisters& regs);
    // EFLAGS bits that can be toggled; both bits 18 and 21 unless told otherwise.
    void SetToggleableFlags(uint32_t mask);

    bool CanToggleFlag(uint32_t mask) override;
    CpuidRegisters Execute(uint32_t leaf) override;

private:
    struct Leaf {
        uint32_t leaf;
        uint32_t order;   // which line came first
        CpuidRegisters regs;
    };
    bool TakeLine(const char* line, size_t length);
    void Append(uint32_t leaf, const CpuidRegisters& regs);
    void SortAndKeepFirst();
    const Leaf* Find(uint32_t leaf) const;
    void Clear();

    Leaf* leaves_ = nullptr;   // sorted by leaf, one entry each, after every load
    size_t count_ = 0;
    size_t capacity_ = 0;
    uint32_t nextOrder_ = 0;
    uint32_t toggleableFlags_ = kAlignmentCheckFlag | kIdFlag;
};
