// Settings file: byte layout, loading rules for bad files, and the directory cut.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "cpu/MeasuringSettings.h"
#include "settings/Settings.h"

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        settingsBlock = {};
        measuringSeconds = 0;
        continuousMeasuring = 0;
        appDirectory[0] = '\0';
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
        return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 |
               static_cast<uint32_t>(image[offset + 3]) << 24;
    }
};

TEST_F(SettingsTest, MissingFileGivesDefaults) {
    ApplySettingsFile(false, nullptr, 0);
    EXPECT_EQ(3u, measuringSeconds);
    EXPECT_EQ(0u, continuousMeasuring);
}

TEST_F(SettingsTest, SavedFileHasMagicSettingsAndWorkingWordsAtTheirOffsets) {
    measuringSeconds = 10;
    continuousMeasuring = 1;
    SettingsWorkingWords words;
    words.matchedEntry = 57;
    words.vendorMissed = 1;
    words.signatureMissed = 2;
    words.relaxStep = 4;
    words.brandRelaxed = true;
    words.releaseIndex = 18;
    words.osPageSelection = 0x12345;
    const std::vector<uint8_t> image = Saved(words);
    ASSERT_EQ(58u, image.size());
    EXPECT_EQ(0, std::memcmp(image.data(), "TVRL1041", 8));
    struct Case { size_t offset; uint32_t expected; };
    const Case cases[] = {{8, 10}, {12, 1}, {16, 0}, {20, 57}, {24, 1}, {28, 2}, {32, 0},
                          {36, 0}, {40, 4}, {44, 10}, {48, 0}, {52, 18}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        EXPECT_EQ(c.expected, WordAt(image, c.offset));
    }
    EXPECT_EQ(0x45, image[56]);   // only the low 16 bits of the selection
    EXPECT_EQ(0x23, image[57]);
    EXPECT_EQ(5u, WordAt(Saved(), 44));   // not relaxed
}

TEST_F(SettingsTest, SpareWordsAreWrittenBackAsRead) {
    std::vector<uint8_t> file = Saved();
    file[16] = 0xAA;
    file[48] = 0xBB;
    file[51] = 0xCC;
    Load(file);
    const std::vector<uint8_t> image = Saved();
    EXPECT_EQ(0xAAu, WordAt(image, 16));
    EXPECT_EQ(0xCC0000BBu, WordAt(image, 48));
}

TEST_F(SettingsTest, RoundTripKeepsTheSettings) {
    measuringSeconds = 7;
    continuousMeasuring = 1;
    const std::vector<uint8_t> image = Saved();
    measuringSeconds = 0;
    continuousMeasuring = 0;
    Load(image);
    EXPECT_EQ(7u, measuringSeconds);
    EXPECT_EQ(1u, continuousMeasuring);
}

TEST_F(SettingsTest, BadFilesLoadSaneSettings) {
    struct Case { const char* name; std::vector<uint8_t> file; uint32_t seconds; uint32_t continuous; };
    const std::vector<uint8_t> magicOnly = {'T', 'V', 'R', 'L', '1', '0', '4', '1'};
    const Case cases[] = {
        {"empty", {}, 3, 0},
        {"magic only", magicOnly, 3, 0},
        {"one byte of seconds", {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 9}, 9, 0},
        {"wrong magic, read all the same", {'B', 'A', 'D', '!', 0, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0}, 4, 1},
        {"zero seconds", {'T', 'V', 'R', 'L', '1', '0', '4', '1', 0, 0, 0, 0, 1, 0, 0, 0}, 3, 1},
        {"absurd seconds", {'T', 'V', 'R', 'L', '1', '0', '4', '1', 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0}, 3600, 2},
        {"just above the bound", {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x0E, 0, 0}, 3600, 0},   // 3601
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Load(c.file);
        EXPECT_EQ(c.seconds, measuringSeconds);
        EXPECT_EQ(c.continuous, continuousMeasuring);
    }
}

TEST_F(SettingsTest, LongFileTakesOnlyTheBlock) {
    std::vector<uint8_t> file = Saved();
    file[8] = 12;
    file.resize(4096, 0xEE);
    Load(file);
    EXPECT_EQ(12u, measuringSeconds);
    EXPECT_EQ(0u, WordAt(Saved(), 48));
}

TEST_F(SettingsTest, RandomFilesNeverBreakTheBounds) {
    std::mt19937 random(1041);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> file(random() % 80);
        for (uint8_t& byte : file) byte = static_cast<uint8_t>(random());
        SetUp();
        Load(file);
        EXPECT_GE(measuringSeconds, 1u);
        EXPECT_LE(measuringSeconds, kMaxMeasuringSeconds);
        const std::vector<uint8_t> image = Saved();
        EXPECT_EQ(measuringSeconds, WordAt(image, 8));
    }
}

TEST_F(SettingsTest, SavingBoundsTheStoredSeconds) {
    measuringSeconds = 100000;
    EXPECT_EQ(kMaxMeasuringSeconds, WordAt(Saved(), 8));
    measuringSeconds = 0;
    EXPECT_EQ(kDefaultMeasuringSeconds, WordAt(Saved(), 8));
}

TEST(CutToDirectory, KeepsUpToTheLastBackslash) {
    struct Case { const char* path; const char* expected; };
    const Case cases[] = {
        {"C:\\Program Files\\Tivrel\\Tivrel.exe", "C:\\Program Files\\Tivrel\\"},
        {"C:\\Tivrel.exe", "C:\\"},
        {"C:\\dir\\", "C:\\dir\\"},
        {"Tivrel.exe", "Tivrel.exe"},
        {"\\", "\\"},
        {"", ""},
        {"\\x", "\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        char path[kAppDirectorySize];
        std::strcpy(path, c.path);
        CutToDirectory(path);
        EXPECT_STREQ(c.expected, path);
    }
}

TEST(AppDirectoryPath, AppendsTheFileNameOrRefusesWhenTooLong) {
    char path[kAppDirectorySize + 16];
    std::strcpy(appDirectory, "C:\\Tivrel\\");
    ASSERT_TRUE(AppDirectoryPath(kSettingsFileName, path, sizeof path));
    EXPECT_STREQ("C:\\Tivrel\\vUZU.dat", path);
    appDirectory[0] = '\0';
    ASSERT_TRUE(AppDirectoryPath(kSettingsFileName, path, sizeof path));
    EXPECT_STREQ("vUZU.dat", path);
    std::strcpy(appDirectory, "C:\\Tivrel\\");
    EXPECT_FALSE(AppDirectoryPath(kSettingsFileName, path, 12));
}
