// Dump replay: which lines are taken, first occurrence, zeros, recording, bad files.
#include <cstdio>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "cpu/RecordingCpuid.h"

static bool SameRegisters(const CpuidRegisters& a, const CpuidRegisters& b) {
    return a.eax == b.eax && a.ebx == b.ebx && a.ecx == b.ecx && a.edx == b.edx;
}

TEST(CpuidDumpTest, OnlyWellFormedLinesAreTaken) {
    const struct { const char* line; bool taken; } cases[] = {
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF", true},
        {"CPUID 00000001: 0000068a-00000002-00000000-0383fbff", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF\r", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF  ", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBF", false},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFFF", false},
        {"CPUID 00000001: 0000068A 00000002 00000000 0383FBFF", false},
        {"CPUID 00000001:0000068A-00000002-00000000-0383FBFF ", false},
        {"cpuid 00000001: 0000068A-00000002-00000000-0383FBFF", false},
        {" CPUID 00000001: 0000068A-00000002-00000000-0383FBFF", false},
        {"CPUID 0000001G: 0000068A-00000002-00000000-0383FBFF", false},
        {"CPUID 00000001: 0000068A-00000002-0000000X-0383FBFF", false},
        {"# CPUID dump of a Pentium III", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        CpuidDump dump;
        EXPECT_EQ(dump.LoadText(c.line, std::char_traits<char>::length(c.line)), c.taken ? 1u : 0u);
        const CpuidRegisters expected = c.taken ? CpuidRegisters{0x68A, 2, 0, 0x0383FBFF} : CpuidRegisters{0, 0, 0, 0};
        EXPECT_TRUE(SameRegisters(dump.Execute(1), expected));
    }
}

TEST(CpuidDumpTest, FirstLineOfALeafHoldsAndUnlistedLeavesAnswerZeros) {
    const std::string text =
        "header\n"
        "CPUID 80000000: 80000004-00000000-00000000-00000000\n"
        "CPUID 80000000: 80000008-11111111-22222222-33333333\n"
        "CPUID 00000002: 665B5001-00000000-00000000-007B7040\n";
    RecordingCpuid dump;
    EXPECT_EQ(dump.LoadText(text.data(), text.size()), 3u);
    EXPECT_TRUE(SameRegisters(dump.Execute(0x80000000), {0x80000004, 0, 0, 0}));
    EXPECT_TRUE(SameRegisters(dump.Execute(2), {0x665B5001, 0, 0, 0x007B7040}));
    EXPECT_TRUE(SameRegisters(dump.Execute(2), {0x665B5001, 0, 0, 0x007B7040}));
    EXPECT_TRUE(SameRegisters(dump.Execute(0x80000006), {0, 0, 0, 0}));
    EXPECT_EQ(dump.executed, (std::vector<uint32_t>{0x80000000, 2, 2, 0x80000006}));
    EXPECT_TRUE(dump.Executed(0x80000006));
    EXPECT_FALSE(dump.Executed(1));
    EXPECT_TRUE(dump.CanToggleFlag(kAlignmentCheckFlag));
    EXPECT_TRUE(dump.CanToggleFlag(kIdFlag));
}

TEST(CpuidDumpTest, FilesThatCannotBeReadOrHoldNoLeafFail) {
    CpuidDump dump;
    using Result = CpuidDump::LoadResult;
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR "/no-such-dump.txt"), Result::kUnreadable);
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR), Result::kUnreadable);   // a directory
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR "/README.md"), Result::kNoLeaf);
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR "/via-samuel.txt"), Result::kLoaded);
    EXPECT_EQ(dump.Execute(0).ebx, 0x746E6543u);
}

// A file of an overlong line without a newline, then a valid last line
// without one either.
TEST(CpuidDumpTest, OverlongLinesAreSkippedAndTheLastLineCounts) {
    const std::string path = ::testing::TempDir() + "cpuid-dump-test.txt";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const std::string longLine = "CPUID 00000001: 0000068A-00000002-00000000-0383FBFF" + std::string(5000, ' ') + "x\n";
    std::fputs(longLine.c_str(), file);
    std::fputs("CPUID 00000000: 00000002-756E6547-6C65746E-49656E69", file);
    std::fclose(file);
    CpuidDump dump;
    EXPECT_EQ(dump.LoadFile(path.c_str()), CpuidDump::LoadResult::kLoaded);
    EXPECT_EQ(dump.Execute(1).eax, 0u);
    EXPECT_EQ(dump.Execute(0).eax, 2u);
    std::remove(path.c_str());
}

TEST(CpuidDumpTest, RandomBytesAreParsedWithoutHarm) {
    std::mt19937 random(7);
    const std::string valid = "CPUID 00000001: 0000068A-00000002-00000000-0383FBFF\n";
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 300, '\0');
        for (char& c : text) c = static_cast<char>(random());
        // Splice in pieces of a valid line so the parser gets deep often.
        text.insert(random() % (text.size() + 1), valid.substr(0, random() % valid.size()));
        CpuidDump dump;
        dump.LoadText(text.data(), text.size());
        dump.Execute(1);
    }
}

// Lines beyond the leaf limit are left out, whatever repeats: memory stays bounded and the
// first line of a leaf still holds.
TEST(CpuidDumpTest, TheLeafLimitBoundsMemory) {
    std::string text;
    for (uint32_t leaf = 0; leaf < kDumpLeafLimit + 1000; ++leaf) {
        char line[64];
        std::snprintf(line, sizeof line, "CPUID %08X: %08X-00000000-00000000-00000000\n", leaf, leaf + 1);
        text += line;
    }
    CpuidDump dump;
    EXPECT_EQ(dump.LoadText(text.data(), text.size()), kDumpLeafLimit + 1000);
    EXPECT_EQ(dump.Execute(kDumpLeafLimit - 1).eax, kDumpLeafLimit);
    EXPECT_EQ(dump.Execute(kDumpLeafLimit).eax, 0u);
}
