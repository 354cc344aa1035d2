// The probe over any answers of the processor, sub-leaves of the walked leaves too: every text of the record and of the grids ends
// inside its buffer, the grids keep within their rows, and probing again gives the same record.
#include <cstring>

#include "FuzzInput.h"
#include "cache/CacheGrid.h"
#include "cpu/ProcessorRecord.h"
#include "cpu/VendorTable.h"

namespace {

// The leaves the probe reads; leaf 0 names a vendor of the table or whatever the bytes say.
constexpr uint32_t kLeaves[] = {0, 1, 2, 0x80000000, 0x80000001, 0x80000002, 0x80000003, 0x80000004,
                                0x80000005, 0x80000006, 0x80860001};
// The leaves it walks sub-leaf by sub-leaf: four answers each, the last repeated for every later
// sub-leaf, so that a list may never end.
constexpr uint32_t kWalkedLeaves[] = {4, 0x18, 0x8000001D};
constexpr uint32_t kSubLeaves = 4;

class FuzzCpuid final : public CpuidSource {
public:
    explicit FuzzCpuid(FuzzInput& in) : flags_(in.Byte()) {
        in.Bytes(answers_, sizeof answers_);
        in.Bytes(subLeafAnswers_, sizeof subLeafAnswers_);
        const uint8_t vendor = in.Byte();
        if (vendor >= kVendorCount) return;
        const char* name = VendorAt(vendor).vendorString;   // EBX, EDX, ECX
        std::memcpy(&answers_[0].ebx, name, 4);
        std::memcpy(&answers_[0].edx, name + 4, 4);
        std::memcpy(&answers_[0].ecx, name + 8, 4);
    }
    bool CanToggleFlag(uint32_t mask) override { return (flags_ & (mask == kIdFlag ? 2 : 1)) != 0; }
    CpuidRegisters Execute(uint32_t leaf, uint32_t subLeaf) override {
        for (size_t i = 0; i < sizeof kLeaves / sizeof kLeaves[0]; ++i)
            if (kLeaves[i] == leaf) return answers_[i];
        for (size_t i = 0; i < sizeof kWalkedLeaves / sizeof kWalkedLeaves[0]; ++i)
            if (kWalkedLeaves[i] == leaf) return subLeafAnswers_[i][subLeaf < kSubLeaves ? subLeaf : kSubLeaves - 1];
        return {};
    }

private:
    uint8_t flags_;
    CpuidRegisters answers_[sizeof kLeaves / sizeof kLeaves[0]];
    CpuidRegisters subLeafAnswers_[sizeof kWalkedLeaves / sizeof kWalkedLeaves[0]][kSubLeaves];
};

bool GridSound(const CacheGrid& grid) {
    for (const CacheRow& row : grid.rows)
        for (const char* cell : row.cells)
            if (!Terminated(cell, kCacheCellSize)) return false;
    if (grid.rowsLeftOut != 0 && std::strcmp(grid.rows[kCacheGridRows - 1].cells[kTypeCell], "More rows") != 0) return false;
    return grid.rowCount <= kCacheGridRows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    FuzzCpuid cpu(in);
    processorRecord = {};
    const std::string fields = FieldLines(cpu);
    const ProcessorRecord& record = processorRecord;
    Require(Terminated(record.vendorString, sizeof record.vendorString), "the vendor string ends inside its buffer");
    Require(Terminated(record.brandString, sizeof record.brandString), "the brand string ends inside its buffer");
    Require(record.vendorIndex < kVendorCount && record.cpuFamily <= 15, "vendor and family within their tables");
    Require(GridSound(level1Grid) && GridSound(level23Grid), "the grids keep within their rows and cells");
    Require(FieldLines(cpu) == fields, "a second probe starts afresh and gives the same record");
    return 0;
}
