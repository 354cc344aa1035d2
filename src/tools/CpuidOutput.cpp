// tivrel-cpuid's three outputs, from the records the probe and the description filled.
#include "tools/CpuidOutput.h"

#include "cache/CacheGrid.h"
#include "cpu/FeatureFlags.h"
#include "cpu/ProcessorRecord.h"
#include "cpu/SubLeaves.h"
#include "cpu/VendorTable.h"
#include "database/DatabaseTables.h"
#include "database/DescribeProcessor.h"
#include "database/DescribeState.h"
#include "probe/ProbeProcessor.h"
#include "text/TextRoutines.h"
#include "tools/FieldWriter.h"

namespace {

// The operating-system name of a present bit, the running vendor's where it has its own;
// nullptr for a clear bit or one without a name (copies of leaf 1 EDX bits).
const char* PresentOsName(const ProcessorRecord& record, uint32_t index, uint32_t bit) {
    const FeatureFlag* flag = PresentFeature(record, index, bit);
    return flag != nullptr && flag->osName[0] != '\0' ? flag->osName : nullptr;
}

// Each present bit of a word by its operating-system name.
void PrintFlags(FILE* out, const ProcessorRecord& record, uint32_t index) {
    char heading[32] = "";
    AppendText(FeatureWordAt(index).label, heading, sizeof heading);
    AppendText(" flags:", heading, sizeof heading);
    std::fprintf(out, "%-22s", heading);
    bool any = false;
    for (uint32_t bit = 0; bit < 32; ++bit) {
        const char* name = PresentOsName(record, index, bit);
        if (name == nullptr) continue;
        std::fprintf(out, " %s", name);
        any = true;
    }
    std::fprintf(out, "%s\n", any ? "" : " none");
}

// The words the first three fields leave out, then every present bit's operating-system name.
void WriteFeatureFields(FieldWriter& writer, const ProcessorRecord& record) {
    for (uint32_t index = kWordExtFeaturesEdx + 1; index < kFeatureWordCount; ++index)
        WriteHexField(writer, FeatureWordAt(index).fieldName, FeatureWordValue(record, index));
    const char* names[kFeatureWordCount * 32];
    int count = 0;
    for (uint32_t index = 0; index < kFeatureWordCount; ++index) {
        for (uint32_t bit = 0; bit < 32; ++bit)
            if (const char* name = PresentOsName(record, index, bit)) names[count++] = name;
    }
    WriteWordList(writer, "flags", names, count);
}

void PrintGridRows(FILE* out, const char* heading, const CacheGrid& grid) {
    std::fprintf(out, "%s\n", heading);
    if (grid.rowCount == 0) std::fprintf(out, "  none detected\n");
    for (uint32_t r = 0; r < grid.rowCount && r < kCacheGridRows; ++r) {
        const CacheRow& row = grid.rows[r];
        char line[128];
        int length = std::snprintf(line, sizeof line, "  %-19s %-19s %-19s %-8s %s", row.cells[0], row.cells[1],
                                   row.cells[2], row.cells[3], row.cells[4]);
        while (length > 0 && line[length - 1] == ' ') --length;   // no blanks after the last cell
        std::fprintf(out, "%.*s\n", length, line);
    }
}

// A leaf with sub-leaves is written once per sub-leaf, each line marked "[SL hh]".
void PrintLeaf(FILE* out, CpuidSource& cpu, uint32_t leaf) {
    const bool marked = HasSubLeaves(leaf);
    const uint32_t count = SubLeafCount(cpu, leaf);
    for (uint32_t subLeaf = 0; subLeaf < count; ++subLeaf) {
        const CpuidRegisters regs = cpu.Execute(leaf, subLeaf);
        std::fprintf(out, "CPUID %08lX: %08lX-%08lX-%08lX-%08lX", static_cast<unsigned long>(leaf),
                     static_cast<unsigned long>(regs.eax), static_cast<unsigned long>(regs.ebx),
                     static_cast<unsigned long>(regs.ecx), static_cast<unsigned long>(regs.edx));
        if (marked) std::fprintf(out, " [SL %02lX]", static_cast<unsigned long>(subLeaf));
        std::fprintf(out, "\n");
    }
}

// Leaves base to the highest the processor reports, at most 256; and the probe's own leaves
// from base to lastProbed, which it reads whatever the highest leaf says. Leaf 7 comes with
// its sub-leaves, up to the highest its sub-leaf 0 names in EAX (at most 255).
void PrintRange(FILE* out, CpuidSource& cpu, uint32_t base, uint32_t lastProbed) {
    const uint32_t highest = cpu.Execute(base, 0).eax;
    const uint32_t reported = highest >= base && highest - base < 256 ? highest : highest < base ? base : base + 255;
    const uint32_t last = reported > lastProbed ? reported : lastProbed;
    for (uint32_t leaf = base; leaf <= last; ++leaf) PrintLeaf(out, cpu, leaf);
}

}  // namespace

void PrintFields(FILE* out, FieldStyle style, const UnknownDescriptors& unknown, uint32_t measuredMhz) {
    FieldWriter writer = {out, style, true};
    BeginFields(writer);
    const ProcessorRecord& record = processorRecord;
    WriteTextField(writer, "vendorString", record.vendorString);
    WriteNumberField(writer, "vendorIndex", record.vendorIndex);
    WriteHexField(writer, "signature", record.signature);
    WriteNumberField(writer, "cpuFamily", record.cpuFamily);
    WriteNumberField(writer, "cpuModel", record.cpuModel);
    WriteNumberField(writer, "cpuStepping", record.cpuStepping);
    WriteNumberField(writer, "displayFamily", DisplayFamily(record.signature));
    WriteNumberField(writer, "displayModel", DisplayModel(record.signature));
    WriteNumberField(writer, "cpuType", record.cpuType);
    WriteNumberField(writer, "brandId", record.brandId);
    WriteHexField(writer, "featuresEdx", record.featuresEdx);
    WriteHexField(writer, "featuresEcx", record.featuresEcx);
    WriteHexField(writer, "extFeaturesEdx", record.extFeaturesEdx);
    WriteNumberField(writer, "brandStringValid", record.brandStringValid);
    WriteTextField(writer, "brandString", record.brandString);
    WriteNumberField(writer, "transmetaShift", record.transmetaShift);

    WriteNumberField(writer, "l1Instruction", cacheTotals.l1Instruction);
    WriteNumberField(writer, "l1Data", cacheTotals.l1Data);
    WriteNumberField(writer, "l2", cacheTotals.l2);
    WriteNumberField(writer, "l3", cacheTotals.l3);
    WriteGridFields(writer, "level1Grid", level1Grid);
    WriteGridFields(writer, "level23Grid", level23Grid);
    WriteNumberList(writer, "unknownDescriptor", unknown.values, unknown.count);

    const ProcessorDescription& texts = processorDescription;
    WriteNumberField(writer, "matchedEntry", describeState.matchedEntry);
    WriteNumberField(writer, "statsKey", describeState.statsKey);
    WriteTextField(writer, "processorText", texts.processorText);
    WriteTextField(writer, "vendorText", texts.vendorText);
    WriteTextField(writer, "typeText", texts.typeText);
    WriteTextField(writer, "familyText", texts.familyText);
    WriteTextField(writer, "modelLineText", texts.modelLineText);
    WriteTextField(writer, "codeNameText", texts.codeNameText);
    WriteTextField(writer, "brandText", texts.brandText);
    WriteFeatureFields(writer, record);
    if (measuredMhz != 0) WriteNumberField(writer, "measuredMhz", measuredMhz);
    EndFields(writer);
}

void PrintSummary(FILE* out, uint32_t measuredMhz) {
    const ProcessorRecord& record = processorRecord;
    const ProcessorDescription& texts = processorDescription;
    char signature[kHexTextSize];
    HexText(record.signature, signature);
    std::fprintf(out, "%-22s %s\n", "Processor:", texts.processorText);
    std::fprintf(out, "%-22s %s (%s)\n", "Vendor:", record.vendorString, VendorAt(record.vendorIndex).shortName);
    std::fprintf(out, "%-22s %lu / %lu / %lu (", "Family/model/stepping:", static_cast<unsigned long>(record.cpuFamily),
                 static_cast<unsigned long>(record.cpuModel), static_cast<unsigned long>(record.cpuStepping));
    const uint32_t family = DisplayFamily(record.signature);
    const uint32_t model = DisplayModel(record.signature);
    if (family != record.cpuFamily || model != record.cpuModel)
        std::fprintf(out, "family %lu, model %lu; ", static_cast<unsigned long>(family), static_cast<unsigned long>(model));
    std::fprintf(out, "signature %s)\n", signature);
    std::fprintf(out, "%-22s %s\n", "Type:", texts.typeText);
    std::fprintf(out, "%-22s %s\n", "Code name:", texts.codeNameText);
    if (describeState.matchedEntry != 0) {
        std::fprintf(out, "%-22s %s\n", "Product line:", texts.modelLineText);
        std::fprintf(out, "%-22s %s\n", "Family name:", texts.familyText);
        std::fprintf(out, "%-22s %lu\n", "Database entry:", static_cast<unsigned long>(describeState.matchedEntry));
    } else {
        std::fprintf(out, "%-22s none fits\n", "Database entry:");
    }
    std::fprintf(out, "%-22s %lu\n", "Brand ID:", static_cast<unsigned long>(record.brandId));
    if (record.brandStringValid) std::fprintf(out, "%-22s %s\n", "Brand string:", record.brandString);
    if (measuredMhz != 0) std::fprintf(out, "%-22s %lu MHz\n", "Clock:", static_cast<unsigned long>(measuredMhz));
    for (uint32_t index = 0; index < kFeatureWordCount; ++index) PrintFlags(out, record, index);
    const CacheTotals& totals = cacheTotals;
    std::fprintf(out, "%-22s L1 data %lu KB, L1 instruction %lu KB, L2 %lu KB, L3 %lu KB\n", "Cache totals:",
                 static_cast<unsigned long>(totals.l1Data), static_cast<unsigned long>(totals.l1Instruction),
                 static_cast<unsigned long>(totals.l2), static_cast<unsigned long>(totals.l3));
    PrintGridRows(out, "Level 1 caches and TLBs:", level1Grid);
    PrintGridRows(out, "Level 2 and 3 caches and TLBs:", level23Grid);
}

void PrintDump(FILE* out, CpuidSource& cpu) {
    PrintRange(out, cpu, 0, 2);                    // the vendor, the signature, leaf-2 descriptors
    PrintRange(out, cpu, 0x80000000, 0x80000006);  // the brand string and the extended cache leaves
    if (processorRecord.vendorIndex == kVendorTransmeta) PrintRange(out, cpu, 0x80860000, 0x80860001);
}

void IdentifyProcessor(CpuidSource& cpu, UnknownDescriptors& unknown) {
    class CollectingNotice final : public DescriptorNotice {
    public:
        explicit CollectingNotice(UnknownDescriptors& unknown) : unknown_(unknown) {}
        void UnknownDescriptor(uint32_t descriptor) override {
            if (unknown_.count < UnknownDescriptors::kCapacity) unknown_.values[unknown_.count++] = descriptor;
        }

    private:
        UnknownDescriptors& unknown_;
    } notice(unknown);
    ProbeProcessor(cpu, notice);
    describeState = {};
    describeState.showingDetected = 1;
    NoControls page;   // the texts alone
    DescribeProcessor(page);
}
