// Fixture for probe tests: a dump-backed fake processor that records its leaves; zeroed records.
#pragma once
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "cache/GridExpectations.h"
#include "cpu/CpuidDump.h"
#include "cpu/ProcessorRecord.h"
#include "probe/ProbeProcessor.h"

// Records each executed leaf. Given leaf 2 answers, it gives them in turn and repeats the last,
// as a processor with several leaf 2 passes does.
struct RecordingCpuid : CpuidDump {
    CpuidRegisters Execute(uint32_t leaf, uint32_t subLeaf) override {
        executed.push_back(leaf);
        if (leaf != 2 || leaf2.empty()) return CpuidDump::Execute(leaf, subLeaf);
        return leaf2[std::min(leaf2Passes++, leaf2.size() - 1)];
    }
    bool Executed(uint32_t leaf) const { return std::find(executed.begin(), executed.end(), leaf) != executed.end(); }
    std::vector<uint32_t> executed;
    std::vector<CpuidRegisters> leaf2;
    size_t leaf2Passes = 0;
};

struct ProbeTest : ::testing::Test {
    void SetUp() override {
        processorRecord = {};
        ResetCacheRecords();
        notice.descriptors.clear();
        cpu.executed.clear();
    }
    // Loads a shared dump and probes it.
    void Probe(const char* dumpName) {
        const std::string path = std::string(TIVREL_DUMP_DIR) + "/" + dumpName;
        ASSERT_EQ(cpu.LoadFile(path.c_str()), CpuidDump::LoadResult::kLoaded) << path;
        ProbeProcessor(cpu, notice);
    }
    // Leaf 0 with a vendor string of twelve characters (EBX, EDX, ECX order).
    static void SetVendor(CpuidDump& processor, const char* vendor, uint32_t highestLeaf) {
        uint32_t words[3] = {0, 0, 0};
        for (int i = 0; i < 12; ++i)
            words[i / 4] |= static_cast<uint32_t>(static_cast<unsigned char>(vendor[i])) << (8 * (i % 4));
        processor.Set(0, 0, {highestLeaf, words[0], words[2], words[1]});
    }
    // The cache totals as one printable value: l1Instruction, l1Data, l2, l3.
    static auto Totals(const CacheTotals& t) { return std::make_tuple(t.l1Instruction, t.l1Data, t.l2, t.l3); }

    RecordingCpuid cpu;
    RecordingNotice notice;
    const ProcessorRecord& record = processorRecord;
};
