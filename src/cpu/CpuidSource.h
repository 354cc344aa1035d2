// The CPUID interface every probe reads through: the real instruction or a dump replay.
#pragma once
#include <cstdint>

struct CpuidRegisters {
    uint32_t eax, ebx, ecx, edx;
};

// EFLAGS masks for CanToggleFlag.
constexpr uint32_t kAlignmentCheckFlag = 0x40000;   // bit 18: absent on the 386
constexpr uint32_t kIdFlag = 0x200000;              // bit 21: CPUID present

// Not deleted through this interface (see PageControls).
class CpuidSource {
public:
    // True when every EFLAGS bit in mask can be changed (and is put back).
    virtual bool CanToggleFlag(uint32_t mask) = 0;
    // EAX = leaf, ECX = sub-leaf; leaves without sub-leaves ignore ECX.
    virtual CpuidRegisters Execute(uint32_t leaf, uint32_t subLeaf) = 0;

protected:
    ~CpuidSource() = default;
};
