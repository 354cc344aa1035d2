// The settings file: loading and saving the measuring settings and the working words it carries.
#include "settings/Settings.h"

#include "cpu/MeasuringSettings.h"
#include "database/DescribeState.h"
#include "system/OsPage.h"
#include "system/WindowsVersion.h"
#include "text/TextRoutines.h"

char appDirectory[kAppDirectorySize];
SettingsBlock settingsBlock;

// Keeps everything up to and including the last backslash: reverse the path,
// find the first backslash there, keep length - p + 1 characters of the original.
void CutToDirectory(char* path) {
    char reversed[kAppDirectorySize];
    ReverseText(path, reversed, sizeof reversed);
    const int position = FindText(1, reversed, "\\");
    if (position < 1) return;
    char kept[kAppDirectorySize];
    CopySpan(path, kept, 0, TextLength(reversed) - static_cast<size_t>(position) + 1);
    CopyText(kept, path, kAppDirectorySize);
}

void ApplySettingsFile(bool opened, const uint8_t* blockBytes, size_t count) {
    if (opened) {
        ReadSettingsBlock(blockBytes, count, settingsBlock);
    } else {
        settingsBlock.measuringSeconds = kDefaultMeasuringSeconds;
        settingsBlock.continuousMeasuring = 0;
    }
    // A file of 8 bytes or fewer, or a hand-written one, may hold 0 or a huge value.
    settingsBlock.measuringSeconds = BoundMeasuringSeconds(settingsBlock.measuringSeconds);
    measuringSeconds = settingsBlock.measuringSeconds;
    continuousMeasuring = settingsBlock.continuousMeasuring;
}

void ComposeSettingsFile(const SettingsWorkingWords& words, uint8_t* file) {
    SettingsBlock block = settingsBlock;
    block.measuringSeconds = BoundMeasuringSeconds(measuringSeconds);
    block.continuousMeasuring = continuousMeasuring;
    block.matchedEntry = words.matchedEntry;
    block.vendorMissed = words.vendorMissed;
    block.signatureMissed = words.signatureMissed;
    block.relaxStep = words.relaxStep;
    block.brandRelaxedCode = words.brandRelaxed ? kBrandRelaxedCode : kBrandNotRelaxedCode;
    block.releaseIndex = words.releaseIndex;
    block.osPageSelection = static_cast<uint16_t>(words.osPageSelection);
    WriteSettingsFile(block, file);
}

// The processor description's and the OS page's working words as they stand.
SettingsWorkingWords CurrentWorkingWords() {
    SettingsWorkingWords words;
    words.matchedEntry = describeState.matchedEntry;
    words.vendorMissed = describeState.vendorMissed;
    words.signatureMissed = describeState.signatureMissed;
    words.relaxStep = describeState.relaxStep;
    words.brandRelaxed = describeState.brandRelaxed != 0;
    words.releaseIndex = osIdentity.releaseIndex;
    words.osPageSelection = osPageSelection;
    return words;
}

// A path cut short would name another file, so one that does not fit is refused.
bool AppDirectoryPath(const char* fileName, char* output, size_t capacity) {
    if (TextLength(appDirectory) + TextLength(fileName) + 1 > capacity) return false;
    CopyText(appDirectory, output, capacity);
    AppendText(fileName, output, capacity);
    return true;
}
