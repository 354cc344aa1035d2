// Settings file: byte layout, loading rules for bad files, and the directory cut.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "cpu/MeasuringSettings.h"
#include "settings/Settings.h"

class SettingsTest : public ::testing::Test {
protected:
    // What LoadSettings takes from a file holding these bytes; no bytes: no file.
    void Load(const std::vector<uint8_t>& file) {
        const size_t count = file.size() > 8 ? file.size() - 8 : 0;
        ApplySettingsFile(!file.empty(), count ? file.data() + 8 : nullptr, count);
    }
    static std::vector<uint8_t> Saved(const SettingsWorkingWords& words = {}) {
        std::vector<uint8_t> image(kSettingsFileSize);
        ComposeSettingsFile(words, image.data());
        return image;
    }
    static uint32_t WordAt(const std::vector<uint8_t>& image, size_t offset) {
        return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 | static_cast<uint32_t>(image[offset + 3]) << 24;
    }
};

// Loaded from a file longer than 58 bytes (only the block counts), then saved: working words at their offsets, the spare
// words (16, 48) as read, the seconds bounded (3600 at most, 0 the default). Magic and settings as read: system.sh, fuzz.
TEST_F(SettingsTest, SavedFileLayoutKeepsTheSpareWordsAsRead) {
    std::vector<uint8_t> file(kSettingsFileSize);
    const struct { size_t offset; uint8_t byte; } written[] = {{16, 0xAA}, {48, 0xBB}, {51, 0xCC}};
    for (const auto& w : written) file[w.offset] = w.byte;
    file.resize(4096, 0xEE);
    Load(file);
    measuringSeconds = 100000;
    // matched entry, vendor and signature missed, relax step, brand relaxed, release row, OS page row
    const std::vector<uint8_t> image = Saved({57, 1, 2, 4, true, 18, 0x12345});
    const struct { size_t offset; uint32_t expected; } cases[] = {
        {8, 3600}, {16, 0xAA}, {20, 57}, {24, 1}, {28, 2}, {32, 0}, {36, 0}, {40, 4}, {44, 10}, {48, 0xCC0000BB}, {52, 18},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, WordAt(image, c.offset)) << c.offset;
    EXPECT_EQ(0x2345, image[56] | image[57] << 8);   // only the low 16 bits of the selection
    measuringSeconds = 0;
    EXPECT_EQ(5u, WordAt(Saved(), 44));   // not relaxed
    EXPECT_EQ(kDefaultMeasuringSeconds, WordAt(Saved(), 8));
}

// Short, foreign or hand-written files: whatever the bytes reach is taken, the seconds bounded (0 reads as the default).
// No file: the defaults, whatever the load before left. Each case starts from the one before (the first from no file).
TEST_F(SettingsTest, MissingOrBadFilesLoadSaneSettings) {
    const struct { const char* name; std::vector<uint8_t> file; uint32_t seconds, continuous; } cases[] = {
        {"no file first", {}, kDefaultMeasuringSeconds, 0},
        {"magic only", {'T', 'V', 'R', 'L', '1', '0', '4', '1'}, 3, 0},
        {"one byte of seconds", {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 9}, 9, 0},
        {"wrong magic, read all the same", {'B', 'A', 'D', '!', 0, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0}, 4, 1},
        {"zero seconds", {'T', 'V', 'R', 'L', '1', '0', '4', '1', 0, 0, 0, 0, 1, 0, 0, 0}, 3, 1},
        {"just above the bound", {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x0E, 0, 0, 2, 0, 0, 0}, 3600, 2},   // 3601
        {"no file after a load", {}, kDefaultMeasuringSeconds, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(c.file);
        EXPECT_EQ(c.seconds, measuringSeconds);
        EXPECT_EQ(c.continuous, continuousMeasuring);
    }
}

// The executable's path cut after its last backslash (none: kept whole), then the file name appended if it fits:
// a path cut short would name another file. The ordinary path is system.sh's: the settings file lands beside it.
TEST(AppDirectory, CutAtTheLastBackslashThenTheFileNameIfItFits) {
    const struct { const char* executable; size_t capacity; const char* path; } cases[] = {
        {"C:\\Tivrel\\Tivrel.exe", 19, "C:\\Tivrel\\vUZU.dat"}, {"C:\\Tivrel\\Tivrel.exe", 18, ""},
        {"C:\\dir\\", 64, "C:\\dir\\vUZU.dat"}, {"\\x", 64, "\\vUZU.dat"}, {"\\", 64, "\\vUZU.dat"},
        {"Tivrel.exe", 64, "Tivrel.exevUZU.dat"}, {"", 9, "vUZU.dat"},
    };
    for (const auto& c : cases) {
        std::strcpy(appDirectory, c.executable);
        CutToDirectory(appDirectory);
        char path[64] = "";
        EXPECT_EQ(c.path[0] != '\0', AppDirectoryPath(kSettingsFileName, path, c.capacity)) << c.executable;
        EXPECT_STREQ(c.path, path) << c.executable;   // "": refused
    }
}
