// What the feature-flag pages show: a greyed label for each absent feature.
#pragma once
#include <cstdint>

#include "ui/PageControls.h"

// Disables control base + n for every clear bit n of word the page has; never enables.
void DisableAbsentFeatures(PageControls& page, int base, uint32_t word);
