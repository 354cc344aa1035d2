// Dump replay: which lines are taken, first occurrence, zeros, bad files, bounds.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "cpu/RecordingCpuid.h"

// The four registers as one printable value.
static auto Regs(const CpuidRegisters& r) { return std::make_tuple(r.eax, r.ebx, r.ecx, r.edx); }

// Each format's leaf line for leaf 1 of a Pentium III, and lines that must not count.
TEST(CpuidDumpTest, OnlyWellFormedLinesAreTaken) {
    using Result = CpuidDump::LoadResult;
    const struct { const char* line; bool taken; uint32_t leaf = 1; } cases[] = {
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
        // Notes after the registers: their text, or the sub-leaf, of which only 0 counts.
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [GenuineIntel] \r", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [SL 00]", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [SL 01]", false},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [SL 1]", false},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF[x]", false},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [x", false},
        // cpuid -r
        {"   0x00000001 0x00: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff", true},
        {"0x00000001 0x0: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff", true},
        {"   0x00000001 0x01: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff", false},
        {"   0x00000001 0x00: eax=0x0000068a ebx=0x00000002 ecx=0x00000000", false},
        {"   0x00000001: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff", false},
        // cpuid_tool --save
        {"basic_cpuid[1]=0000068a 00000002 00000000 0383fbff", true},
        {"ext_cpuid[1]=0000068a 00000002 00000000 0383fbff", true, 0x80000001},
        {"basic_cpuid[]=0000068a 00000002 00000000 0383fbff", false},
        {"basic_cpuid[1]=0000068a 00000002 00000000", false},
        {"basic_cpuid[123456789]=0000068a 00000002 00000000 0383fbff", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        CpuidDump dump;
        EXPECT_EQ(dump.LoadText(c.line, std::strlen(c.line)), c.taken ? Result::kLoaded : Result::kNoLeaf);
        const CpuidRegisters expected = c.taken ? CpuidRegisters{0x68A, 2, 0, 0x0383FBFF} : CpuidRegisters{0, 0, 0, 0};
        EXPECT_EQ(Regs(dump.Execute(c.leaf)), Regs(expected));
    }
}

// Leaf 0's EAX says which line held: the first of a leaf, wherever it sorts, and only from the
// first processor's block; a leaf only a later processor lists stays out.
TEST(CpuidDumpTest, TheFirstLineAndTheFirstProcessorsBlockHoldAndFormatsDoNotMix) {
    using Result = CpuidDump::LoadResult;
    const struct { const char* text; Result result; uint32_t leaf0Eax; } cases[] = {
        {"header\nCPUID 00000002: 665B5001-00000000-00000000-007B7040\n"
         "CPUID 00000000: 00000004-00000000-00000000-00000000\n"
         "CPUID 00000000: 00000008-11111111-22222222-33333333\n", Result::kLoaded, 4},
        {"CPU 0:\n 0x00000000 0x00: eax=0x00000001 ebx=0x0 ecx=0x0 edx=0x0\n"
         "   0x00000000 0x00: eax=0x00000001 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n"
         "CPU 1:\n   0x00000001 0x00: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff\n", Result::kLoaded, 1},
        {"_________________ Logical CPU #0 _________________\nbasic_cpuid[0]=00000002 0 0 0\n"
         "basic_cpuid[0]=00000002 00000000 00000000 00000000\n"
         "_________________ Logical CPU #1 _________________\n"
         "basic_cpuid[1]=0000068a 00000002 00000000 0383fbff\n", Result::kLoaded, 2},
        {"CPUID 00000004: 00000000-00000000-00000000-00000000 [SL 01]\n"
         "CPUID 00000000: 00000003-756E6547-6C65746E-49656E69 [GenuineIntel]\n", Result::kLoaded, 3},
        {"CPUID 00000000: 00000003-756E6547-6C65746E-49656E69\n"
         "basic_cpuid[1]=0000068a 00000002 00000000 0383fbff\n", Result::kMixedFormats, 3},
        {"   0x00000000 0x00: eax=0x00000001 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n"
         "CPUID 00000001: 0000068A-00000002-00000000-0383FBFF\n", Result::kMixedFormats, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CpuidDump dump;
        EXPECT_EQ(dump.LoadText(c.text, std::strlen(c.text)), c.result);
        EXPECT_EQ(dump.Execute(0).eax, c.leaf0Eax);
        EXPECT_EQ(dump.Execute(1).eax, 0u);
    }
}

// Missing files, directories and files without a leaf line fail. A valid line made overlong by
// blanks is skipped whole, and the last line counts without a newline.
TEST(CpuidDumpTest, FilesAreReadLineByLineWithinBounds) {
    using Result = CpuidDump::LoadResult;
    CpuidDump dump;
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR "/no-such-dump.txt"), Result::kUnreadable);
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR), Result::kUnreadable);
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR "/README.md"), Result::kNoLeaf);
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR "/via-samuel.txt"), Result::kLoaded);
    EXPECT_EQ(dump.Execute(0).ebx, 0x746E6543u);
    const std::string path = ::testing::TempDir() + "cpuid-dump-test.txt";
    std::ofstream(path, std::ios::binary) << "CPUID 00000001: 0000068A-00000002-00000000-0383FBFF" << std::string(5000, ' ')
                                          << "x\nCPUID 00000000: 00000002-756E6547-6C65746E-49656E69";
    EXPECT_EQ(dump.LoadFile(path.c_str()), Result::kLoaded);
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
    char line[64];
    for (uint32_t leaf = 0; leaf < kDumpLeafLimit + 1000; ++leaf) {
        std::snprintf(line, sizeof line, "CPUID %08X: %08X-00000000-00000000-00000000\n", leaf, leaf + 1);
        text += line;
    }
    CpuidDump dump;
    EXPECT_EQ(dump.LoadText(text.data(), text.size()), CpuidDump::LoadResult::kLoaded);
    EXPECT_EQ(dump.Execute(kDumpLeafLimit - 1).eax, kDumpLeafLimit);
    EXPECT_EQ(dump.Execute(kDumpLeafLimit).eax, 0u);
}
