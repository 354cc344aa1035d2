// The processor record matched against the processor table, and everything known about it
// written to a page's controls and the description texts.
#pragma once
#include <cstdint>

#include "database/DescribeState.h"
#include "ui/PageControls.h"

// Matches processorRecord (or resolves a browse request) and fills whichever of the Main and
// database pages' controls the page has, processorDescription and describeState.
void DescribeProcessor(PageControls& page);
// Whether the 2004 table describes processors of this vendor index and leaf-1 signature; any
// other signature is matched only by the later entries of its own display family and model.
bool WithinSeedTable(uint32_t vendorIndex, uint32_t signature);
// One pass over the table for the search signature (used by DescribeProcessor).
void MatchPass(PageControls& page, uint32_t searchSignature);
// One relaxation after a pass that missed the signature: the stepping walk (step 3), then
// L2 sizes no longer compared (step 2), then the family's base signature (step 1); within a
// model, the walk stops at stepping 0 and step 1 takes any stepping of the model.
void RelaxSearch(DescribeState& state, uint32_t& searchSignature, uint32_t recordSignature);
// The type names of cpuType 0 to 3, "" for any other.
const char* TypeName(uint32_t cpuType);
