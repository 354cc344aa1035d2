// The executable's directory and the loading and saving rules of the settings file, which
// carries the measuring settings (cpu/MeasuringSettings.h) and other layers' working words.
#pragma once
#include <cstddef>
#include <cstdint>

#include "settings/SettingsBlock.h"

constexpr size_t kAppDirectorySize = 600;

extern char appDirectory[kAppDirectorySize];
// The block as last loaded: its spare words are written back as they were read.
extern SettingsBlock settingsBlock;

// Working words of other subsystems that the file carries after the settings.
struct SettingsWorkingWords {
    uint32_t matchedEntry = 0;
    uint32_t vendorMissed = 0;
    uint32_t signatureMissed = 0;
    uint32_t relaxStep = 0;
    bool brandRelaxed = false;
    uint32_t releaseIndex = 0;
    uint32_t osPageSelection = 0;
};

void CutToDirectory(char* path);
// LoadSettings after the file was opened (with the bytes read from offset 8) or not.
void ApplySettingsFile(bool opened, const uint8_t* blockBytes, size_t count);
// SaveSettings: the 58 bytes to write.
void ComposeSettingsFile(const SettingsWorkingWords& words, uint8_t* file);
SettingsWorkingWords CurrentWorkingWords();
// appDirectory followed by fileName ("vUZU.dat", "ReadMe.htm"); false when it does not fit.
bool AppDirectoryPath(const char* fileName, char* output, size_t capacity);

void LoadSettings();
void SaveSettings();
