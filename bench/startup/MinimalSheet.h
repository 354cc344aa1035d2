// Template ids of the minimal property sheet.
#pragma once

#define IDD_MINIMAL_ONE 101
#define IDD_MINIMAL_TWO 102
