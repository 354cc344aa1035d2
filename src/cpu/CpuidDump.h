// CpuidSource that replays a plain-text CPUID dump, or answers leaves set by hand.
#pragma once
#include <cstddef>
#include <map>
#include <vector>

#include "cpu/CpuidSource.h"

class CpuidDump : public CpuidSource {
public:
    // Replaces the contents with the dump's leaves; false when the file cannot
    // be read or holds no CPUID line.
    bool LoadFile(const char* path);
    // Adds the CPUID lines of text (any bytes); returns how many lines were taken.
    size_t LoadText(const char* text, size_t length);
    void Set(uint32_t leaf, const CpuidRegisters& regs);
    // EFLAGS bits that can be toggled; both bits 18 and 21 unless told otherwise.
    void SetToggleableFlags(uint32_t mask);

    bool CanToggleFlag(uint32_t mask) override;
    CpuidRegisters Execute(uint32_t leaf) override;

    bool Executed(uint32_t leaf) const;
    const std::vector<uint32_t>& ExecutedLeaves() const { return executed; }
    void ClearExecuted() { executed.clear(); }

private:
    bool TakeLine(const char* line, size_t length);

    std::map<uint32_t, CpuidRegisters> leaves;
    std::vector<uint32_t> executed;
    uint32_t toggleableFlags = kAlignmentCheckFlag | kIdFlag;
};
