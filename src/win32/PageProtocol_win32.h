// The notification protocol shared by every page of the sheet.
#pragma once
#include <windows.h>

extern HINSTANCE appInstance;

// Accepts activation and deactivation; every notification counts as handled.
INT_PTR AnswerSheetNotification(HWND page, const NMHDR* header);
// The larger "Times New Roman" font of the name fields, given to the count controls of ids;
// the caller owns it.
HFONT SetNameFont(HWND page, const int* ids, int count);
