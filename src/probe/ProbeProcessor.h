// The CPUID probe that fills processorRecord, the cache grids and the totals.
#pragma once
#include "cache/DescriptorNotice.h"
#include "cpu/CpuidSource.h"

void ProbeProcessor(CpuidSource& cpu, DescriptorNotice& notice);
