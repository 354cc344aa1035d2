// Random registers through every decoder: grids stay within ten rows of terminated cells.
#include <cstring>
#include <random>

#include <gtest/gtest.h>

#include "cache/DecodeDescriptor.h"
#include "cache/ExtendedLeafDecoding.h"
#include "cache/GridExpectations.h"
#include "cache/RecordingNotice.h"
#include "cpu/ProcessorRecord.h"

TEST(DecodePropertyTest, RandomRegistersKeepGridsBounded) {
    std::mt19937 random(20240611);
    RecordingNotice notice;
    ResetCacheRecords();
    for (int round = 0; round < 20000; ++round) {
        // A few rounds per reset, so full grids are met often.
        if (round % 7 == 0) ResetCacheResults();
        processorRecord.cpuFamily = random() & 0xF;
        processorRecord.cpuModel = random() & 0xF;
        const uint32_t kind = 1 + (random() & 1);
        switch (random() % 5) {
        case 0: DecodeDescriptorRegister(random(), notice); break;
        case 1: DecodeL1Cache(kind, random()); break;
        case 2: DecodeL1Tlb(kind, random()); break;
        case 3: DecodeL2Cache(random()); break;
        case 4: DecodeL2Tlb(kind, random()); break;
        }
        ExpectGridSound(level1Grid);
        ExpectGridSound(level23Grid);
        if (HasFatalFailure()) return;
    }
}
