// A replayed processor that records each executed leaf, for tests of order and absence.
#pragma once
#include <algorithm>
#include <vector>

#include "cpu/CpuidDump.h"

class RecordingCpuid : public CpuidDump {
public:
    CpuidRegisters Execute(uint32_t leaf) override {
        executed.push_back(leaf);
        return CpuidDump::Execute(leaf);
    }
    bool Executed(uint32_t leaf) const { return std::find(executed.begin(), executed.end(), leaf) != executed.end(); }
    std::vector<uint32_t> executed;
};
