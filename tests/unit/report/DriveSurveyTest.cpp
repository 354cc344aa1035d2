// The drive survey: byte sizes, the type rules, the presets of a failed query, the rows.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "report/DriveSurvey.h"

namespace {

// Drives by letter; a letter without answers fails every query.
class FakeDrives : public DriveQueries {
public:
    uint32_t PresentDrives() override { return present; }
    void Ask(const char* rootPath, DriveAnswers& answers) override {
        asked.push_back(rootPath);
        auto it = drives.find(rootPath[0]);
        if (it != drives.end()) answers = it->second;
    }
    uint32_t present = 0;
    std::map<char, DriveAnswers> drives;
    std::vector<std::string> asked;
};

class RecordedRows : public DriveRows {
public:
    void Row(uint32_t index, const DriveRow& row) override {
        rows.push_back(std::to_string(index) + ": " + row.name + " | " + row.type + " | " + row.fileSystem + " | " +
                       row.size + " | " + row.free + " | " + row.serial);
    }
    std::vector<std::string> rows;
};

DriveAnswers Drive(const char* label, uint32_t type, uint64_t total, uint64_t free, uint32_t serial) {
    DriveAnswers answers = {};
    std::strcpy(answers.label, label);
    std::strcpy(answers.fileSystem, "FAT");
    answers.driveType = type;
    answers.totalBytes = total;
    answers.totalFreeBytes = free;
    answers.serial = serial;
    return answers;
}

}  // namespace

TEST(DriveSurveyTest, ByteSizesAreCutNeverRounded) {
    const struct { uint64_t bytes; const char* text; } cases[] = {
        {0, "None"}, {1000, "1000 bytes"}, {2048, "2048 bytes"}, {2049, "2.00 KB"}, {1457664, "1423 KB"},
        {1048576, "1024.00 KB"}, {1048577, "1024 KB"}, {40000000000ull, "37.25 GB"}, {1ull << 40, "1024.00 GB"},
        {4ull << 40, "4.00 TB"}, {10240 + 100, "10.09 KB"}, {(1ull << 50) - 1, "1023.99 TB"}, {1ull << 50, "1024.00 TB"},
        {(1ull << 50) + (1ull << 40), "1025 TB"}, {1ull << 52, "4.00 PB"}, {(1ull << 61) - 1, "2047 PB"},
        {1ull << 61, "2048 PB"}, {(1ull << 61) + (1ull << 51), "2.00 EB"},
        {0xFFFFFFFFFFFFFFFEull, "15.99 EB"}, {0xFFFFFFFFFFFFFFFFull, "15.99 EB"},
    };
    for (const auto& c : cases) {
        char text[24];
        FormatByteSize(static_cast<uint32_t>(c.bytes), static_cast<uint32_t>(c.bytes >> 32), text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.bytes;
    }
}

TEST(DriveSurveyTest, TypesSizesAndSerials) {
    const struct { DriveAnswers answers; const char* row; } cases[] = {
        {Drive("", 2, 1457664, 1000, 0xABCD), " (A) | 1.44 3.5 | FAT | 1423 KB | 1000 bytes | 0000ABCD"},
        {Drive("", 2, 730112, 0, 0), " (A) | 720 3.5 | FAT | 713.00 KB | None | None"},
        {Drive("STICK", 2, 2000000, 2000000, 1), "STICK (A) | 2000000 | FAT | 1953 KB | 1953 KB | 00000001"},
        {Drive("", 2, 3019899, 0, 0), " (A) | Flash | FAT | 2.87 MB | None | None"},
        {Drive("", 2, 3019898, 0, 0), " (A) | 3019898 | FAT | 2.87 MB | None | None"},
        {Drive("", 2, 5ull << 30, 0, 0), " (A) | Ext HD | FAT | 5.00 GB | None | None"},
        {Drive("", 2, 0, 0, 0), " (A) | Empty | FAT | None | None | None"},
        {Drive("CD", 5, 0, 0, 0), "CD (A) | Disc | FAT | None | Read Only | None"},
        {Drive("CD", 5, 700000000, 5, 0), "CD (A) | Disc | FAT | 667.57 MB | 5 bytes | None"},
        {Drive("", 0, 0, 0, 0), " (A) | Unknown | FAT | None | None | None"},
        {Drive("", 1, 0, 0, 0), " (A) | Empty | FAT | None | None | None"},
        {Drive("", 4, 0, 0, 0), " (A) | Network | FAT | None | None | None"},
        {Drive("", 6, 0, 0, 0), " (A) | RAM | FAT | None | None | None"},
        {Drive("", 9, 0, 0, 0), " (A) | Unknown | FAT | None | None | None"},
    };
    for (const auto& c : cases) {
        FakeDrives drives;
        drives.present = 1;
        drives.drives['A'] = c.answers;
        RecordedRows rows;
        SurveyDrives(drives, rows);
        ASSERT_EQ(rows.rows.size(), 1u);
        EXPECT_EQ(rows.rows[0], std::string("0: ") + c.row);
    }
}

// Present drives in letter order; a drive whose queries all fail keeps the presets.
TEST(DriveSurveyTest, LettersInOrderAndPresetsOfFailedQueries) {
    FakeDrives drives;
    drives.present = (1u << 0) | (1u << 2) | (1u << 25);
    drives.drives['C'] = Drive("SYSTEM", 3, 1ull << 33, 1ull << 32, 0x12345678);
    RecordedRows rows;
    SurveyDrives(drives, rows);
    EXPECT_EQ(drives.asked, (std::vector<std::string>{"A:/", "C:/", "Z:/"}));
    EXPECT_EQ(rows.rows, (std::vector<std::string>{"0: None (A) | Unknown | Unknown | None | None | None",
                                                   "1: SYSTEM (C) | Local | FAT | 8.00 GB | 4.00 GB | 12345678",
                                                   "2: None (Z) | Unknown | Unknown | None | None | None"}));
}
