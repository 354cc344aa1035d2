// What tivrel-cpuid prints: the field lines, the summary for people, and the dump of the running
// processor's leaves.
#pragma once
#include <cstdint>
#include <cstdio>

#include "cpu/CpuidSource.h"
#include "tools/FieldWriter.h"

// Descriptors the probe met that the descriptor table lacks, in the order met.
struct UnknownDescriptors {
    static constexpr int kCapacity = 256;   // 15 passes of 15 bytes at most
    uint32_t values[kCapacity];
    int count;
};

// ProbeProcessor, then DescribeProcessor as the Main page describes the detected processor;
// the descriptors the table lacks go to unknown.
void IdentifyProcessor(CpuidSource& cpu, UnknownDescriptors& unknown);
// The record, the caches and the description as "name: value" lines or one JSON object;
// measuredMhz when not 0.
void PrintFields(FILE* out, FieldStyle style, const UnknownDescriptors& unknown, uint32_t measuredMhz);
// The processor, its features, caches and TLBs, for people to read; measuredMhz when not 0.
void PrintSummary(FILE* out, uint32_t measuredMhz);
// Every basic and extended leaf up to the maxima the processor reports (at most 256 of each),
// and the leaves the probe reads beyond them, as "CPUID LLLLLLLL: EAX-EBX-ECX-EDX" lines; the
// sub-leaves of a leaf that has them, each line ending in "[SL hh]".
void PrintDump(FILE* out, CpuidSource& cpu);
