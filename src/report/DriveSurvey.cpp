// The drive survey's texts: name, type, file system, size, free space and serial number.
#include "report/DriveSurvey.h"

#include "text/TextRoutines.h"

namespace {

constexpr uint32_t kRemovable = 2;
constexpr uint32_t kCdRom = 5;
constexpr uint32_t kDiskette144 = 1457664;   // 2847 clusters of 512 bytes
constexpr uint32_t kDiskette720 = 730112;    // 713 clusters of 1024 bytes: a 720 KB diskette
constexpr uint32_t kLargestDiskette = 3019898;

// A removable drive is told by its capacity.
void RemovableType(uint64_t totalBytes, char* output, size_t capacity) {
    const uint32_t low = static_cast<uint32_t>(totalBytes);
    if (totalBytes == 0) {
        CopyText("Empty", output, capacity);
    } else if (totalBytes >> 32) {
        CopyText("Ext HD", output, capacity);
    } else if (low == kDiskette720) {
        CopyText("720 3.5", output, capacity);
    } else if (low == kDiskette144) {
        CopyText("1.44 3.5", output, capacity);
    } else if (low > kLargestDiskette) {
        CopyText("Flash", output, capacity);
    } else {
        CopyText("", output, capacity);
        AppendUnsigned(low, output, capacity);
    }
}

void DriveType(const DriveAnswers& answers, char* output, size_t capacity) {
    static constexpr const char* kTypes[] = {"Unknown", "Empty", nullptr, "Local", "Network", "Disc", "RAM"};
    if (answers.driveType == kRemovable) {
        RemovableType(answers.totalBytes, output, capacity);
    } else {
        CopyText(answers.driveType < 7 ? kTypes[answers.driveType] : "Unknown", output, capacity);
    }
}

void ByteSize(uint64_t bytes, char* output, size_t capacity) {
    FormatByteSize(static_cast<uint32_t>(bytes), static_cast<uint32_t>(bytes >> 32), output, capacity);
}

}  // namespace

// The unit named is the one the figure was computed in: 2^64 - 1 bytes, the largest count,
// takes four shifts to fit 32 bits, one more to fall below 1,048,576 and reads "15.99 EB".
void FormatByteSize(uint32_t low, uint32_t high, char* output, size_t capacity) {
    static constexpr const char* kUnits[] = {" bytes", " KB", " MB", " GB", " TB", " PB", " EB"};
    CopyText("", output, capacity);
    uint64_t value = static_cast<uint64_t>(high) << 32 | low;
    if (value == 0) {
        CopyText("None", output, capacity);
        return;
    }
    uint32_t unit = 0;
    for (; value >> 32; ++unit) value >>= 10;
    for (; value > 1048576; ++unit) value >>= 10;
    const uint32_t shown = static_cast<uint32_t>(value);
    if (shown > 2048) {
        ++unit;
        AppendUnsigned(shown >> 10, output, capacity);
        AppendText(".", output, capacity);
        const uint32_t hundredths = (shown & 1023) * 100 / 1024;
        if (hundredths < 10) AppendText("0", output, capacity);
        AppendUnsigned(hundredths, output, capacity);
    } else {
        AppendUnsigned(shown, output, capacity);
    }
    AppendText(kUnits[unit], output, capacity);
}

void FormatDriveRow(char letter, const DriveAnswers& answers, DriveRow& row) {
    const char bracketed[] = {' ', '(', letter, ')', '\0'};
    CopyText(answers.label, row.name, sizeof row.name);
    AppendText(bracketed, row.name, sizeof row.name);
    DriveType(answers, row.type, sizeof row.type);
    CopyText(answers.fileSystem, row.fileSystem, sizeof row.fileSystem);
    ByteSize(answers.totalBytes, row.size, sizeof row.size);
    if (answers.driveType == kCdRom && answers.totalFreeBytes == 0) {
        CopyText("Read Only", row.free, sizeof row.free);
    } else {
        ByteSize(answers.totalFreeBytes, row.free, sizeof row.free);
    }
    if (answers.serial == 0) {
        CopyText("None", row.serial, sizeof row.serial);
    } else {
        HexText(answers.serial, row.serial);
    }
}

void SurveyDrives(DriveQueries& queries, DriveRows& rows) {
    const uint32_t present = queries.PresentDrives();
    uint32_t index = 0;
    for (uint32_t drive = 0; drive < 26; ++drive) {
        if (!((present >> drive) & 1)) continue;
        const char letter = static_cast<char>('A' + drive);
        const char root[] = {letter, ':', '/', '\0'};
        DriveAnswers answers = {};
        CopyText("None", answers.label, sizeof answers.label);
        CopyText("Unknown", answers.fileSystem, sizeof answers.fileSystem);
        queries.Ask(root, answers);
        // The platform's texts need not end within their buffers.
        answers.label[kVolumeTextSize - 1] = '\0';
        answers.fileSystem[kVolumeTextSize - 1] = '\0';
        DriveRow row;
        FormatDriveRow(letter, answers, row);
        rows.Row(index++, row);
    }
}

void ReportDriveRows::Row(uint32_t, const DriveRow& row) {
    file_.WriteText("</td></tr><tr><td>");
    WriteEscaped(file_, row.name);
    file_.WriteText("</td><td>");
    file_.WriteText(row.type);
    file_.WriteText("</td><td>");
    WriteEscaped(file_, row.fileSystem);
    file_.WriteText("</td><td>");
    file_.WriteText(row.size);
    file_.WriteText("</td><td>");
    file_.WriteText(row.free);
    file_.WriteText("</td><td>");
    file_.WriteText(row.serial);
}
