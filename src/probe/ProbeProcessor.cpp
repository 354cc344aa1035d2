// The CPUID probe: processor class, vendor, signature, features, caches, brand string.
#include "probe/ProbeProcessor.h"

#include "cache/DescribeCaches.h"
#include "cpu/ProcessorRecord.h"
#include "cpu/VendorTable.h"

static constexpr uint32_t kHyperThreadingBit = 1u << 28;   // leaf 1 EDX
static constexpr uint32_t kTransmetaRevisionWithShift = 0x01030000;

// Four bytes of a register in memory (little-endian) order.
static void StoreRegisterBytes(uint32_t value, char* out) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Leaf 7: sub-leaf 0 EBX, ECX, EDX, and sub-leaf 1 EAX when sub-leaf 0's EAX (the highest
// sub-leaf) names it; a processor that reports no such leaf or sub-leaf has the words at 0.
// Some processors answer an unlisted sub-leaf with sub-leaf 0's registers, so the count is
// asked first. A highest leaf in the hypervisor or extended range is no answer at all.
static void ReadStructuredFeatures(CpuidSource& cpu, uint32_t highestLeaf, ProcessorRecord& record) {
    record.leaf7Ebx = record.leaf7Ecx = record.leaf7Edx = record.leaf7Sub1Eax = 0;
    if (highestLeaf < 7 || highestLeaf >= 0x40000000) return;
    const CpuidRegisters leaf7 = cpu.Execute(7, 0);
    record.leaf7Ebx = leaf7.ebx;
    record.leaf7Ecx = leaf7.ecx;
    record.leaf7Edx = leaf7.edx;
    if (leaf7.eax >= 1) record.leaf7Sub1Eax = cpu.Execute(7, 1).eax;
}

void ProbeProcessor(CpuidSource& cpu, DescriptorNotice& notice) {
    ProcessorRecord& record = processorRecord;
    record.transmetaShift = 0;

    // EFLAGS bit 18 (AC) is fixed on a 386; bit 21 (ID) is fixed on a 486
    // without CPUID. Both early stops leave every other field as it was.
    if (!cpu.CanToggleFlag(kAlignmentCheckFlag)) {
        record.cpuType = 3;
        return;
    }
    record.cpuType = 4;
    if (!cpu.CanToggleFlag(kIdFlag)) return;

    // Leaf 0: vendor string from EBX, EDX, ECX.
    const CpuidRegisters leaf0 = cpu.Execute(0, 0);
    StoreRegisterBytes(leaf0.ebx, record.vendorString);
    StoreRegisterBytes(leaf0.edx, record.vendorString + 4);
    StoreRegisterBytes(leaf0.ecx, record.vendorString + 8);
    record.vendorString[kVendorStringLength] = '\0';
    record.vendorIndex = FindVendorIndex(record.vendorString);

    // Leaf 1: signature fields from EAX (extended family and model unused),
    // brand ID from EBX bits 0-7.
    const CpuidRegisters leaf1 = cpu.Execute(1, 0);
    record.signature = leaf1.eax;
    record.leaf1Ebx = leaf1.ebx;
    record.featuresEcx = leaf1.ecx;
    record.featuresEdx = leaf1.edx;
    record.cpuFamily = (leaf1.eax >> 8) & 0xF;
    record.cpuStepping = leaf1.eax & 0xF;
    record.cpuModel = (leaf1.eax >> 4) & 0xF;
    record.cpuType = (leaf1.eax >> 12) & 0x7;
    record.brandId = leaf1.ebx & 0xFF;

    DescribeCaches(cpu, record.vendorIndex, notice);

    // Any extended leaf at all means the brand string is there; the highest
    // extended leaf is not compared with 0x80000004.
    if (cpu.Execute(0x80000000, 0).eax > 0x80000000) {
        record.brandStringValid = 1;
        for (uint32_t part = 0; part < 3; ++part) {
            const CpuidRegisters regs = cpu.Execute(0x80000002 + part, 0);
            char* out = record.brandString + 16 * part;
            StoreRegisterBytes(regs.eax, out);
            StoreRegisterBytes(regs.ebx, out + 4);
            StoreRegisterBytes(regs.ecx, out + 8);
            StoreRegisterBytes(regs.edx, out + 12);
        }
        record.brandString[kBrandStringLength] = '\0';
        const CpuidRegisters extended = cpu.Execute(0x80000001, 0);
        record.extFeaturesEdx = extended.edx;
        record.extFeaturesEcx = extended.ecx;
    } else {
        record.extFeaturesEcx = 0;
    }

    // Transmeta hardware revision, leaf 0x80860001 EBX: later revisions sit
    // two rows further down the processor table.
    if (record.vendorIndex == kVendorTransmeta &&
        cpu.Execute(0x80860001, 0).ebx > kTransmetaRevisionWithShift)
        record.transmetaShift = 2;

    // Leaf 1 EBX bits 16-23: logical processors. Fewer than two means
    // hyper-threading is not in use whatever leaf 1 EDX bit 28 says.
    if (record.vendorIndex == kVendorIntel && ((record.leaf1Ebx >> 16) & 0xFF) < 2)
        record.featuresEdx &= ~kHyperThreadingBit;

    ReadStructuredFeatures(cpu, leaf0.eax, record);
}
