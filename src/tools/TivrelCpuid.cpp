// tivrel-cpuid [FILE]: the probe's record and cache grids as "name: value" lines.
#include <cstdio>
#include <vector>

#include "cache/CacheGrid.h"
#include "cache/DescriptorNotice.h"
#include "cpu/CpuidDump.h"
#include "cpu/NativeCpuid.h"
#include "cpu/ProbeProcessor.h"
#include "cpu/ProcessorRecord.h"
#include "database/DescribeProcessor.h"
#include "text/TextRoutines.h"

// Unknown descriptors are kept in the order met and printed after the grids.
class CollectingNotice : public DescriptorNotice {
public:
    void UnknownDescriptor(uint32_t descriptor) override { descriptors.push_back(descriptor); }
    std::vector<uint32_t> descriptors;
};

static void PrintText(const char* name, const char* value) { std::printf("%s: %s\n", name, value); }

static void PrintDecimal(const char* name, uint32_t value) {
    std::printf("%s: %lu\n", name, static_cast<unsigned long>(value));
}

static void PrintHex(const char* name, uint32_t value) {
    char digits[kHexTextSize];
    HexText(value, digits);
    PrintText(name, digits);
}

static void PrintGrid(const char* name, const CacheGrid& grid) {
    std::printf("%s.rowCount: %lu\n", name, static_cast<unsigned long>(grid.rowCount));
    for (uint32_t r = 0; r < grid.rowCount && r < kCacheGridRows; ++r) {
        const CacheRow& row = grid.rows[r];
        std::printf("%s[%lu]: %s | %s | %s | %s | %s\n", name, static_cast<unsigned long>(r), row.cells[0],
                    row.cells[1], row.cells[2], row.cells[3], row.cells[4]);
    }
}

int main(int argc, char** argv) {
    CollectingNotice notice;
    if (argc > 1) {
        CpuidDump dump;
        if (!dump.LoadFile(argv[1])) {
            std::fprintf(stderr, "tivrel-cpuid: cannot read CPUID dump %s\n", argv[1]);
            return 2;
        }
        ProbeProcessor(dump, notice);
    } else {
        NativeCpuid cpu;
        ProbeProcessor(cpu, notice);
    }

    const ProcessorRecord& record = processorRecord;
    PrintText("vendorString", record.vendorString);
    PrintDecimal("vendorIndex", record.vendorIndex);
    PrintHex("signature", record.signature);
    PrintDecimal("cpuFamily", record.cpuFamily);
    PrintDecimal("cpuModel", record.cpuModel);
    PrintDecimal("cpuStepping", record.cpuStepping);
    PrintDecimal("cpuType", record.cpuType);
    PrintDecimal("brandId", record.brandId);
    PrintHex("featuresEdx", record.featuresEdx);
    PrintHex("featuresEcx", record.featuresEcx);
    PrintHex("extFeaturesEdx", record.extFeaturesEdx);
    PrintDecimal("brandStringValid", record.brandStringValid);
    PrintText("brandString", record.brandString);
    PrintDecimal("transmetaShift", record.transmetaShift);

    PrintDecimal("l1Instruction", cacheTotals.l1Instruction);
    PrintDecimal("l1Data", cacheTotals.l1Data);
    PrintDecimal("l2", cacheTotals.l2);
    PrintDecimal("l3", cacheTotals.l3);
    PrintGrid("level1Grid", level1Grid);
    PrintGrid("level23Grid", level23Grid);
    for (uint32_t descriptor : notice.descriptors) PrintDecimal("unknownDescriptor", descriptor);

    // As the Main page describes the detected processor, on a page without its controls.
    NoControls page;
    describeState.showingDetected = 1;
    DescribeProcessor(page);
    const ProcessorDescription& texts = processorDescription;
    PrintDecimal("matchedEntry", describeState.matchedEntry);
    PrintDecimal("statsKey", describeState.statsKey);
    PrintText("processorText", texts.processorText);
    PrintText("vendorText", texts.vendorText);
    PrintText("typeText", texts.typeText);
    PrintText("familyText", texts.familyText);
    PrintText("modelLineText", texts.modelLineText);
    PrintText("codeNameText", texts.codeNameText);
    PrintText("brandText", texts.brandText);
    return 0;
}
