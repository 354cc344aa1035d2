// Sub-leaf counts of the leaves that have sub-leaves, each by the rule its manual gives.
#include "cpu/SubLeaves.h"

#include <cstddef>

namespace {

enum class SubLeafRule : uint8_t {
    kUntilCacheTypeZero,   // EAX bits 0-4 of a sub-leaf 0: no more caches
    kUntilLevelTypeZero,   // ECX bits 8-15 of a sub-leaf 0: no more topology levels
    kLastInEax,            // EAX of sub-leaf 0 is the last sub-leaf
};

struct SubLeafRow {
    uint32_t leaf;
    SubLeafRule rule;
};

// clang-format off
constexpr SubLeafRow kSubLeafLeaves[] = {
//   leaf        rule
    {0x00000004, SubLeafRule::kUntilCacheTypeZero},   // deterministic cache parameters
    {0x00000007, SubLeafRule::kLastInEax},            // structured extended features
    {0x0000000B, SubLeafRule::kUntilLevelTypeZero},   // extended topology
    {0x00000014, SubLeafRule::kLastInEax},            // processor trace
    {0x00000017, SubLeafRule::kLastInEax},            // system-on-chip vendor attributes
    {0x00000018, SubLeafRule::kLastInEax},            // deterministic address translation
    {0x0000001D, SubLeafRule::kLastInEax},            // tile information
    {0x0000001F, SubLeafRule::kUntilLevelTypeZero},   // extended topology, version 2
    {0x8000001D, SubLeafRule::kUntilCacheTypeZero},   // AMD cache topology
};
// clang-format on

const SubLeafRow* FindRow(uint32_t leaf) {
    for (const SubLeafRow& row : kSubLeafLeaves)
        if (row.leaf == leaf) return &row;
    return nullptr;
}

}  // namespace

bool HasSubLeaves(uint32_t leaf) { return FindRow(leaf) != nullptr; }

uint32_t SubLeafCount(CpuidSource& cpu, uint32_t leaf) {
    const SubLeafRow* row = FindRow(leaf);
    if (row == nullptr) return 1;
    if (row->rule == SubLeafRule::kLastInEax) {
        const uint32_t last = cpu.Execute(leaf, 0).eax;
        return last < kSubLeafLimit ? last + 1 : kSubLeafLimit;
    }
    uint32_t count = 0;
    while (count < kSubLeafLimit) {
        const CpuidRegisters regs = cpu.Execute(leaf, count);
        const uint32_t type = row->rule == SubLeafRule::kUntilCacheTypeZero ? regs.eax & 0x1F : (regs.ecx >> 8) & 0xFF;
        if (type == 0) break;
        ++count;
    }
    return count == 0 ? 1 : count;
}
