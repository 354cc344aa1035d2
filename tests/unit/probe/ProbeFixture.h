// Fixture for probe tests: a dump-backed fake processor and freshly zeroed records.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include "cache/GridExpectations.h"
#include "cache/RecordingNotice.h"
#include "cpu/ProcessorRecord.h"
#include "cpu/RecordingCpuid.h"
#include "probe/ProbeProcessor.h"

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        processorRecord = {};
        ResetCacheRecords();
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
        processor.Set(0, {highestLeaf, words[0], words[2], words[1]});
    }
    void SetVendor(const char* vendor, uint32_t highestLeaf) { SetVendor(cpu, vendor, highestLeaf); }
    void Probe() { ProbeProcessor(cpu, notice); }

    RecordingCpuid cpu;
    RecordingNotice notice;
    const ProcessorRecord& record = processorRecord;
};
