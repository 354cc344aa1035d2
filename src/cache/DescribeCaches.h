// The probe's cache step: which leaves describe a vendor's caches and TLBs.
#pragma once
#include <cstdint>

#include "cache/DescriptorNotice.h"
#include "cpu/CpuidSource.h"

// Resets the results, then fills both grids and the totals as the vendor's processors report
// them, and marks an empty grid "None Detected".
void DescribeCaches(CpuidSource& cpu, uint32_t vendorIndex, DescriptorNotice& notice);
