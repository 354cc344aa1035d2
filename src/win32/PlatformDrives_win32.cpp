// The three queries of a drive, in their order; none of their results is looked at, a query
// that fails leaves its presets.
#include "win32/PlatformDrives_win32.h"

uint32_t PlatformDrives::PresentDrives() {
    return GetLogicalDrives();
}

void PlatformDrives::Ask(const char* rootPath, DriveAnswers& answers) {
    DWORD serial = 0;
    if (GetVolumeInformationA(rootPath, answers.label, kVolumeTextSize, &serial, nullptr, nullptr, answers.fileSystem,
                              kVolumeTextSize))
        answers.serial = serial;
    answers.driveType = GetDriveTypeA(rootPath);
    ULARGE_INTEGER callerFree, total, totalFree;
    if (GetDiskFreeSpaceExA(rootPath, &callerFree, &total, &totalFree)) {
        answers.totalBytes = total.QuadPart;
        answers.totalFreeBytes = totalFree.QuadPart;
    }
}
