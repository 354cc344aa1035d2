// Fixture for probe tests: a dump-backed fake processor and freshly zeroed records.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include "cache/GridExpectations.h"
#include "cache/RecordingNotice.h"
#include "cpu/CpuidDump.h"
#include "cpu/ProbeProcessor.h"
#include "cpu/ProcessorRecord.h"

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        processorRecord = {};
        ResetCacheRecords();
    }
    // Loads a shared dump and probes it.
    void Probe(const char* dumpName) {
        const std::string path = std::string(TIVREL_DUMP_DIR) + "/" + dumpName;
        ASSERT_TRUE(cpu.LoadFile(path.c_str())) << path;
        ProbeProcessor(cpu, notice);
    }
    // Leaf 0 with a vendor string of twelve characters (EBX, EDX, ECX order).
    void SetVendor(const char* vendor, uint32_t highestLeaf) {
        uint32_t words[3] = {0, 0, 0};
        for (int i = 0; i < 12; ++i)
            words[i / 4] |= static_cast<uint32_t>(static_cast<unsigned char>(vendor[i])) << (8 * (i % 4));
        cpu.Set(0, {highestLeaf, words[0], words[2], words[1]});
    }
    void Probe() { ProbeProcessor(cpu, notice); }

    CpuidDump cpu;
    RecordingNotice notice;
    const ProcessorRecord& record = processorRecord;
};
