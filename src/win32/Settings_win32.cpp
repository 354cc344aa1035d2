// Settings file I/O beside the executable.
#include <windows.h>

#include "settings/Settings.h"

void LoadSettings() {
    // No search path: the directory of the running executable is searched first.
    if (SearchPathA(nullptr, "Tivrel.exe", nullptr, kAppDirectorySize, appDirectory, nullptr) == 0 ||
        appDirectory[kAppDirectorySize - 1] != '\0')
        appDirectory[0] = '\0';
    CutToDirectory(appDirectory);

    char path[kAppDirectorySize + sizeof kSettingsFileName];
    HANDLE file = INVALID_HANDLE_VALUE;
    if (AppDirectoryPath(kSettingsFileName, path, sizeof path))
        file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ApplySettingsFile(false, nullptr, 0);
        return;
    }
    uint8_t block[kSettingsBlockSize];
    DWORD count = 0;
    SetFilePointer(file, kSettingsMagicSize, nullptr, FILE_BEGIN);
    if (!ReadFile(file, block, sizeof block, &count, nullptr)) count = 0;
    CloseHandle(file);
    ApplySettingsFile(true, block, count);
}

void SaveSettings() {
    char path[kAppDirectorySize + sizeof kSettingsFileName];
    if (!AppDirectoryPath(kSettingsFileName, path, sizeof path)) return;
    uint8_t image[kSettingsFileSize];
    ComposeSettingsFile(CurrentWorkingWords(), image);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;   // an unwritable directory keeps nothing
    DWORD written = 0;
    WriteFile(file, image, sizeof image, &written, nullptr);
    CloseHandle(file);
}
