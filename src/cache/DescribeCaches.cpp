// Cache description by vendor: leaf-2 descriptors (with the leaves they refer to) for Intel and
// unknown vendors, the extended leaves for AMD, Transmeta and Hygon, and what VIA and Zhaoxin
// processors report of both.
#include "cache/DescribeCaches.h"

#include "cache/CacheGrid.h"
#include "cache/DecodeDescriptor.h"
#include "cache/DeterministicLeaves.h"
#include "cache/ExtendedLeafDecoding.h"
#include "cpu/VendorTable.h"

namespace {

constexpr uint32_t kTopologyExtensions = 1u << 22;   // leaf 0x80000001 ECX

// Whether a highest extended leaf (leaf 0x80000000 EAX) reports leaf: an answer outside the
// extended range is no highest leaf at all.
bool ReportsExtendedLeaf(uint32_t highest, uint32_t leaf) { return highest >= leaf && highest < 0x80010000; }

bool HasByte(const CpuidRegisters& regs, uint32_t byte) {
    const uint32_t values[] = {regs.eax & 0xFFFFFF00, regs.ebx, regs.ecx, regs.edx};
    for (uint32_t value : values)
        for (int shift = 0; shift < 32; shift += 8)
            if (((value >> shift) & 0xFF) == byte) return true;
    return false;
}

// Leaf 2: the first call's EAX bits 0-3 give the number of passes; its
// registers are not decoded. A pass whose EAX low byte is 0 is skipped whole;
// otherwise that byte (the pass count, not a descriptor) is cleared and all
// four registers are decoded byte by byte, bit 31 unexamined. Byte 0xFF sends
// the caches to leaf 4, byte 0xFE the TLBs to leaf 0x18; each is walked once,
// after the descriptors, where the processor has that leaf.
void DescribeLeaf2Caches(CpuidSource& cpu, DescriptorNotice& notice) {
    const uint32_t highest = cpu.Execute(0, 0).eax;
    if ((highest & 0xFF) <= 1) return;
    const uint32_t passes = cpu.Execute(2, 0).eax & 0xF;
    bool leaf4 = false;
    bool leaf18 = false;
    for (uint32_t pass = 0; pass < passes; ++pass) {
        const CpuidRegisters regs = cpu.Execute(2, 0);
        if ((regs.eax & 0xFF) == 0) continue;
        DecodeDescriptorRegister(regs.eax & 0xFFFFFF00, notice);
        DecodeDescriptorRegister(regs.ebx, notice);
        DecodeDescriptorRegister(regs.ecx, notice);
        DecodeDescriptorRegister(regs.edx, notice);
        leaf4 = leaf4 || HasByte(regs, 0xFF);
        leaf18 = leaf18 || HasByte(regs, 0xFE);
    }
    if (leaf4 && highest >= 4) DescribeLeaf4Caches(cpu);
    if (leaf18 && highest >= 0x18) DescribeLeaf18Tlbs(cpu);
}

// AMD, Transmeta and Hygon: leaves 0x80000005 and 0x80000006 are executed
// without asking for the highest extended leaf. EDX of 0x80000006 gives the
// level 3 where the processor has leaf 0x80000006, and leaf 0x8000001D, where
// the processor has it and says so (topology extensions), each cache's own
// size and ways.
void DescribeExtendedLeafCaches(CpuidSource& cpu) {
    const uint32_t highest = cpu.Execute(0x80000000, 0).eax;
    const bool topologyLeaf =
        ReportsExtendedLeaf(highest, 0x8000001D) && (cpu.Execute(0x80000001, 0).ecx & kTopologyExtensions) != 0;
    const CacheTopology topology = topologyLeaf ? ReadCacheTopology(cpu) : CacheTopology{};
    const CpuidRegisters level1 = cpu.Execute(0x80000005, 0);
    DecodeL1Cache(1, level1.ecx, topology.l1Data);
    DecodeL1Cache(2, level1.edx, topology.l1Instruction);
    DecodeL1Tlb(1, level1.eax);
    DecodeL1Tlb(2, level1.ebx);
    const CpuidRegisters level2 = cpu.Execute(0x80000006, 0);
    DecodeL2Cache(level2.ecx, topology.l2);
    if (ReportsExtendedLeaf(highest, 0x80000006)) DecodeL3Cache(level2.edx, topology.l3);
    DecodeL2Tlb(1, level2.eax);
    DecodeL2Tlb(2, level2.ebx);
}

// VIA (Centaur) and Zhaoxin: the caches from leaf 4 where the processor lists
// one there, else from 0x80000005 ECX and EDX and 0x80000006 ECX; the TLBs from
// the extended leaves. Only leaves the processor reports are read, and a TLB
// half without entries or ways is left out.
void DescribeReportedCaches(CpuidSource& cpu) {
    const uint32_t highest = cpu.Execute(0, 0).eax;
    const bool leaf4 = highest >= 4 && (cpu.Execute(4, 0).eax & 0x1F) != 0;
    const uint32_t extended = cpu.Execute(0x80000000, 0).eax;
    const bool level1 = ReportsExtendedLeaf(extended, 0x80000005);
    const bool level2 = ReportsExtendedLeaf(extended, 0x80000006);
    const CpuidRegisters l1 = level1 ? cpu.Execute(0x80000005, 0) : CpuidRegisters{0, 0, 0, 0};
    const CpuidRegisters l2 = level2 ? cpu.Execute(0x80000006, 0) : CpuidRegisters{0, 0, 0, 0};
    if (leaf4) {
        DescribeLeaf4Caches(cpu);
    } else {
        if (level1) {
            DecodeL1Cache(1, l1.ecx);
            DecodeL1Cache(2, l1.edx);
        }
        if (level2 && (l2.ecx >> 16) != 0) DecodeReportedL2Cache(l2.ecx);
    }
    DecodeReportedL1Tlb(1, l1.eax);
    DecodeReportedL1Tlb(2, l1.ebx);
    if (level2) {
        DecodeL2Tlb(1, l2.eax);
        DecodeL2Tlb(2, l2.ebx);
    }
}

}  // namespace

void DescribeCaches(CpuidSource& cpu, uint32_t vendorIndex, DescriptorNotice& notice) {
    ResetCacheResults();
    switch (vendorIndex) {
    case kVendorIntel: DescribeLeaf2Caches(cpu, notice); break;
    case kVendorAmd:
    case kVendorTransmeta:
    case kVendorHygon: DescribeExtendedLeafCaches(cpu); break;
    case kVendorCentaur:
    case kVendorZhaoxin: DescribeReportedCaches(cpu); break;
    }
    MarkLeftOutRows(level1Grid);
    MarkLeftOutRows(level23Grid);
    MarkEmptyGrid(level1Grid);
    MarkEmptyGrid(level23Grid);
}
