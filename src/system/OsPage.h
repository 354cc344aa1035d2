// The OS page apart from its window: the release list and the details of the selected row.
#pragma once
#include <cstdint>

#include "ui/PageControls.h"

// The position selected in the list: 0 stands for this computer, p for row p.
extern uint32_t osPageSelection;

// Page initialisation: the list filled by row, position 0 selected and shown.
void InitOsPage(PageControls& page);
// Any command of the list: the selection, read again, and its row.
void OsListCommand(PageControls& page);
// The details of osPageSelection; at position 0 the detected row with the live values.
void ShowReleaseDetails(PageControls& page);
