// Opening the message dialog with the request already filled in.
#pragma once
#include <windows.h>

void OpenMessageDialog(HWND owner);
