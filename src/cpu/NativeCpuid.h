// CpuidSource backed by the processor's own CPUID instruction.
#pragma once
#include "cpu/CpuidSource.h"

class NativeCpuid : public CpuidSource {
public:
    bool CanToggleFlag(uint32_t mask) override;
    CpuidRegisters Execute(uint32_t leaf, uint32_t subLeaf) override;
};
