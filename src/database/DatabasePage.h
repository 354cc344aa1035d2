// The database page's lists and commands, apart from its window: what it writes into the
// processor record and the description state, and what it shows.
#pragma once
#include <cstdint>

#include "ui/PageControls.h"

// The model field's up-down control counts 0 to this; a larger number typed reads as it.
constexpr uint32_t kHighestModel = 99;

// Fills the family list for the record's vendor and selects the record's family.
void FillFamilyList(PageControls& page);
// Page creation: the family, type, vendor, brand and L2 lists, filled by position.
void FillDatabaseLists(PageControls& page);
// Copies the selectors into the processor record and the L2 total; builds the signature.
void ReadSearchKeys(PageControls& page);
// Find, and any notification of the family list: describe the keys, scanning models 0-16
// while no entry has the signature.
void SearchDatabase(PageControls& page);
// Any notification of the vendor list: the vendor and its family list, nothing described.
void ChooseVendor(PageControls& page);
// "< Prev" (step -1) and "Next >" (step +1): the entry before or after the one shown.
void BrowseDatabase(PageControls& page, int step);
// Reset, once the processor has been probed again: the detected processor.
void ShowDetectedProcessor(PageControls& page);
// DescribeProcessor and the class's commentary, the one text only this page shows.
void DescribeDatabaseEntry(PageControls& page);
