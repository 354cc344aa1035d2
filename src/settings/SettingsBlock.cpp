// Encoding and decoding of the settings file image, little-endian throughout.
#include "settings/SettingsBlock.h"

#include <cstring>

namespace {

// Field table: file offset and width of each block field, in file order.
struct FieldRow { size_t offset; size_t width; uint32_t SettingsBlock::*word; };
// clang-format off
constexpr FieldRow kFields[] = {
//  offset width field
    { 8,  4, &SettingsBlock::measuringSeconds},
    {12,  4, &SettingsBlock::continuousMeasuring},
    {16,  4, &SettingsBlock::spareWord16},
    {20,  4, &SettingsBlock::matchedEntry},
    {24,  4, &SettingsBlock::vendorMissed},
    {28,  4, &SettingsBlock::signatureMissed},
    {32,  4, &SettingsBlock::spareWord32},
    {36,  4, &SettingsBlock::spareWord36},
    {40,  4, &SettingsBlock::relaxStep},
    {44,  4, &SettingsBlock::brandRelaxedCode},
    {48,  4, &SettingsBlock::spareWord48},
    {52,  4, &SettingsBlock::releaseIndex},
};
// clang-format on
constexpr size_t kOsPageSelectionOffset = 56;
static_assert(kOsPageSelectionOffset + 2 == kSettingsFileSize, "the block ends with a 16-bit word");

void PutBytes(uint8_t* image, size_t offset, uint32_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) image[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetBytes(const uint8_t* image, size_t offset, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) value |= static_cast<uint32_t>(image[offset + i]) << (8 * i);
    return value;
}

}  // namespace

void ReadSettingsBlock(const uint8_t* bytes, size_t count, SettingsBlock& block) {
    if (count > kSettingsBlockSize) count = kSettingsBlockSize;
    // Lay the current values out as a file image, overlay what was read, decode again:
    // a field cut short by the end of the data keeps its remaining old bytes.
    uint8_t image[kSettingsFileSize];
    WriteSettingsFile(block, image);
    if (count > 0) std::memcpy(image + kSettingsMagicSize, bytes, count);
    for (const FieldRow& row : kFields) block.*row.word = GetBytes(image, row.offset, row.width);
    block.osPageSelection = static_cast<uint16_t>(GetBytes(image, kOsPageSelectionOffset, 2));
}

void WriteSettingsFile(const SettingsBlock& block, uint8_t* file) {
    std::memcpy(file, kSettingsMagic, kSettingsMagicSize);
    for (const FieldRow& row : kFields) PutBytes(file, row.offset, block.*row.word, row.width);
    PutBytes(file, kOsPageSelectionOffset, block.osPageSelection, 2);
}

// The clock measurement divides by the seconds and multiplies them by 1,000,000
// in 32 bits: 0 would divide by zero and more than 4294 would wrap.
