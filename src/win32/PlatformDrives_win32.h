// The drive queries of the platform, with critical errors failing instead of asking for a disk.
#pragma once
#include <windows.h>

#include "report/DriveSurvey.h"

// While it lives, an empty diskette or disc drive answers with a failure rather than a system
// dialog; the error mode before it is put back when it goes.
class PlatformDrives final : public DriveQueries {
public:
    PlatformDrives() : previousMode_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~PlatformDrives() { SetErrorMode(previousMode_); }
    PlatformDrives(const PlatformDrives&) = delete;
    PlatformDrives& operator=(const PlatformDrives&) = delete;
    uint32_t PresentDrives() override;
    void Ask(const char* rootPath, DriveAnswers& answers) override;

private:
    UINT previousMode_;
};
