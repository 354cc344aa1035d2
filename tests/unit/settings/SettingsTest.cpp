// Settings file: byte layout, loading rules for bad files, and the directory cut.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "cpu/MeasuringSettings.h"
#include "settings/Settings.h"

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settingsBlock = {};
        measuringSeconds = 0;
        continuousMeasuring = 0;
    }
    // What LoadSettings takes from a file holding these bytes.
    void Load(const std::vector<uint8_t>& file) {
        const size_t count = file.size() > 8 ? file.size() - 8 : 0;
        ApplySettingsFile(true, count ? file.data() + 8 : nullptr, count);
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

// Magic, settings and working words at their offsets; the seconds are bounded when stored.
TEST_F(SettingsTest, SavedFileLayout) {
    measuringSeconds = 10;
    continuousMeasuring = 1;
    // matched entry, vendor and signature missed, relax step, brand relaxed, release row, OS page row
    const std::vector<uint8_t> image = Saved({57, 1, 2, 4, true, 18, 0x12345});
    EXPECT_EQ(0, std::memcmp(image.data(), "TVRL1041", 8));
    const struct { size_t offset; uint32_t expected; } cases[] = {
        {8, 10}, {12, 1}, {16, 0}, {20, 57}, {24, 1}, {28, 2}, {32, 0}, {36, 0}, {40, 4}, {44, 10}, {48, 0}, {52, 18},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(c.expected, WordAt(image, c.offset));
    }
    EXPECT_EQ(0x2345, image[56] | image[57] << 8);   // only the low 16 bits of the selection
    EXPECT_EQ(5u, WordAt(Saved(), 44));   // not relaxed
    measuringSeconds = 100000;
    EXPECT_EQ(kMaxMeasuringSeconds, WordAt(Saved(), 8));
    measuringSeconds = 0;
    EXPECT_EQ(kDefaultMeasuringSeconds, WordAt(Saved(), 8));
}

// The spare words go back as they were read; of a file longer than 58 bytes only the block counts.
TEST_F(SettingsTest, SpareWordsAreWrittenBackAsReadAndLongFilesGiveOnlyTheBlock) {
    std::vector<uint8_t> file = Saved();
    file[8] = 12;
    file[16] = 0xAA;
    file[48] = 0xBB;
    file[51] = 0xCC;
    file.resize(4096, 0xEE);
    Load(file);
    EXPECT_EQ(12u, measuringSeconds);
    const std::vector<uint8_t> image = Saved();
    EXPECT_EQ(0xAAu, WordAt(image, 16));
    EXPECT_EQ(0xCC0000BBu, WordAt(image, 48));
}

// Short, foreign or hand-written files: whatever the bytes reach is taken, the seconds bounded.
TEST_F(SettingsTest, MissingOrBadFilesLoadSaneSettings) {
    settingsBlock.continuousMeasuring = 1;
    ApplySettingsFile(false, nullptr, 0);   // no file at all: the defaults
    EXPECT_EQ(kDefaultMeasuringSeconds, measuringSeconds);
    EXPECT_EQ(0u, continuousMeasuring);
    const struct { const char* name; std::vector<uint8_t> file; uint32_t seconds, continuous; } cases[] = {
        {"empty", {}, 3, 0}, {"magic only", {'T', 'V', 'R', 'L', '1', '0', '4', '1'}, 3, 0},
        {"one byte of seconds", {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 9}, 9, 0},
        {"wrong magic, read all the same", {'B', 'A', 'D', '!', 0, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0}, 4, 1},
        {"zero seconds", {'T', 'V', 'R', 'L', '1', '0', '4', '1', 0, 0, 0, 0, 1, 0, 0, 0}, 3, 1},
        {"absurd seconds", {'T', 'V', 'R', 'L', '1', '0', '4', '1', 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0}, 3600, 2},
        {"just above the bound", {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x0E, 0, 0}, 3600, 0},   // 3601
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Load(c.file);
        EXPECT_EQ(c.seconds, measuringSeconds);
        EXPECT_EQ(c.continuous, continuousMeasuring);
    }
}

TEST(CutToDirectory, KeepsUpToTheLastBackslash) {
    const struct { const char* path; const char* expected; } cases[] = {
        {"C:\\Program Files\\Tivrel\\Tivrel.exe", "C:\\Program Files\\Tivrel\\"}, {"C:\\Tivrel.exe", "C:\\"},
        {"C:\\dir\\", "C:\\dir\\"}, {"\\x", "\\"}, {"\\", "\\"},   // a trailing or the only backslash
        {"Tivrel.exe", "Tivrel.exe"}, {"", ""},                      // none: left as it is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        char path[kAppDirectorySize];
        std::strcpy(path, c.path);
        CutToDirectory(path);
        EXPECT_STREQ(c.expected, path);
    }
}

// A path cut short would name another file: one byte too few refuses.
TEST(AppDirectoryPath, AppendsTheFileNameOrRefusesWhenTooLong) {
    char path[kAppDirectorySize + 16];
    std::strcpy(appDirectory, "C:\\Tivrel\\");
    ASSERT_TRUE(AppDirectoryPath(kSettingsFileName, path, 19));
    EXPECT_STREQ("C:\\Tivrel\\vUZU.dat", path);
    appDirectory[0] = '\0';
    ASSERT_TRUE(AppDirectoryPath(kSettingsFileName, path, sizeof path));
    EXPECT_STREQ("vUZU.dat", path);
    std::strcpy(appDirectory, "C:\\Tivrel\\");
    EXPECT_FALSE(AppDirectoryPath(kSettingsFileName, path, 18));
}
