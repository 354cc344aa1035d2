// Feature-flag labels: bit n of a feature word is the label with id base + n.
#include "cpu/FeatureFlags.h"

// Labels start enabled in the templates, so only clear bits need a call;
// bits without a label have no control and are passed over.
void DisableAbsentFeatures(PageControls& page, int base, uint32_t word) {
    for (int bit = 0; bit < 32; ++bit) {
        if ((word >> bit) & 1) continue;
        if (page.HasControl(base + bit)) page.SetEnabled(base + bit, false);
    }
}
