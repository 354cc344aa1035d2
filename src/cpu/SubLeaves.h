// Which sub-leaves of a CPUID leaf hold answers, as the processor's own answers tell.
#pragma once
#include <cstdint>

#include "cpu/CpuidSource.h"

// No walk goes beyond this many sub-leaves, whatever a register claims.
constexpr uint32_t kSubLeafLimit = 64;

// The number of sub-leaves worth reading, from 0: 1 for a leaf without sub-leaves; for a list
// that a zero type ends, the sub-leaves before the first zero type (at least 1).
uint32_t SubLeafCount(CpuidSource& cpu, uint32_t leaf);
// True for a leaf whose answers depend on the sub-leaf.
bool HasSubLeaves(uint32_t leaf);
