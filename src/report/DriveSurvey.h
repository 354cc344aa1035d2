// The drive survey: every present drive as six texts, for the Drives page and the report.
#pragma once
#include <cstddef>
#include <cstdint>

#include "report/TextSink.h"

constexpr size_t kVolumeTextSize = 100;

// What the platform answers for one drive; the survey presets it before asking.
struct DriveAnswers {
    char label[kVolumeTextSize];        // preset "None"
    char fileSystem[kVolumeTextSize];   // preset "Unknown"
    uint32_t serial;
    uint32_t driveType;                 // 0 unknown, 1 no root, 2 removable, 3 fixed, 4 remote, 5 CD-ROM, 6 RAM
    uint64_t totalBytes;
    uint64_t totalFreeBytes;
};

struct DriveRow {
    char name[kVolumeTextSize + 8];   // label, " (", letter, ")"
    char type[16];
    char fileSystem[kVolumeTextSize];
    char size[24];
    char free[24];
    char serial[16];
};

// The platform's drives: the bit mask of present drives (bit 0 for A), and the volume, type and
// free-space queries of one root path ("C:/"), each leaving the presets when it fails.
class DriveQueries {
public:
    virtual uint32_t PresentDrives() = 0;
    virtual void Ask(const char* rootPath, DriveAnswers& answers) = 0;

protected:
    ~DriveQueries() = default;
};

// Where the rows go: the Drives page's list or the report.
class DriveRows {
public:
    virtual void Row(uint32_t index, const DriveRow& row) = 0;

protected:
    ~DriveRows() = default;
};

// The report's drive rows: each "</td></tr><tr><td>" and six cells, no line breaks.
class ReportDriveRows final : public DriveRows {
public:
    explicit ReportDriveRows(TextSink& file) : file_(file) {}
    void Row(uint32_t index, const DriveRow& row) override;

private:
    TextSink& file_;
};

// Drives A to Z in letter order, rows numbered from 0.
void SurveyDrives(DriveQueries& queries, DriveRows& rows);
// The six texts of one drive.
void FormatDriveRow(char letter, const DriveAnswers& answers, DriveRow& row);
// "None", "1000 bytes", "1423 KB", "37.25 GB": cut, never rounded.
void FormatByteSize(uint32_t low, uint32_t high, char* output, size_t capacity);
