// Byte layout of the settings file "vUZU.dat": magic, then the 50-byte block.
#pragma once
#include <cstddef>
#include <cstdint>

constexpr size_t kSettingsMagicSize = 8;
constexpr size_t kSettingsBlockSize = 50;
constexpr size_t kSettingsFileSize = kSettingsMagicSize + kSettingsBlockSize;   // 58
constexpr char kSettingsMagic[] = "TVRL1041";
constexpr char kSettingsFileName[] = "vUZU.dat";

constexpr uint32_t kBrandNotRelaxedCode = 5;
constexpr uint32_t kBrandRelaxedCode = 10;

// The block after the magic, decoded; offsets are file offsets.
struct SettingsBlock {
    uint32_t measuringSeconds = 0;      // 8
    uint32_t continuousMeasuring = 0;   // 12
    uint32_t spareWord16 = 0;           // 16, kept as read
    uint32_t matchedEntry = 0;          // 20
    uint32_t vendorMissed = 0;          // 24
    uint32_t signatureMissed = 0;       // 28
    uint32_t spareWord32 = 0;           // 32
    uint32_t spareWord36 = 0;           // 36
    uint32_t relaxStep = 0;             // 40
    uint32_t brandRelaxedCode = 0;      // 44
    uint32_t spareWord48 = 0;           // 48, kept as read
    uint32_t releaseIndex = 0;          // 52
    uint16_t osPageSelection = 0;       // 56
};

// Overlays the first count bytes of a block image (at most 50) onto block;
// fields the bytes do not reach keep their values.
void ReadSettingsBlock(const uint8_t* bytes, size_t count, SettingsBlock& block);
// The whole 58-byte file image.
void WriteSettingsFile(const SettingsBlock& block, uint8_t* file);
