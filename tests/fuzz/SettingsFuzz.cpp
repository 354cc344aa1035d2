// The settings file: any bytes load, and the measuring time, as loaded and as saved again, is
// 1 to 3600 seconds; what is saved reads back as the settings in force.
#include "FuzzInput.h"
#include "cpu/MeasuringSettings.h"
#include "settings/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const bool opened = in.Byte() & 1;
    // The file's bytes after the magic, as many as the executable reads of them.
    const size_t count = in.Left() < kSettingsBlockSize ? in.Left() : kSettingsBlockSize;
    uint8_t block[kSettingsBlockSize];
    in.Bytes(block, count);
    ApplySettingsFile(opened, block, count);
    Require(measuringSeconds >= 1 && measuringSeconds <= kMaxMeasuringSeconds, "the loaded time is 1 to 3600 s");

    uint8_t file[kSettingsFileSize];
    ComposeSettingsFile(CurrentWorkingWords(), file);
    Require(std::memcmp(file, kSettingsMagic, kSettingsMagicSize) == 0, "the saved file starts with its magic");
    SettingsBlock saved;
    ReadSettingsBlock(file + kSettingsMagicSize, kSettingsBlockSize, saved);
    Require(saved.measuringSeconds == measuringSeconds && saved.continuousMeasuring == continuousMeasuring,
            "the saved file holds the settings in force");
    return 0;
}
