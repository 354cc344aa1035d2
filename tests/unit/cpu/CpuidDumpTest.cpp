// Dump replay: which lines are taken, first occurrence, zeros, bad files, bounds (any bytes, and
// a stream against the same bytes in memory: tests/fuzz/DumpFuzz.cpp).
#include <cstdio>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "cpu/CpuidDump.h"

// The four registers as one printable value.
static auto Regs(const CpuidRegisters& r) { return std::make_tuple(r.eax, r.ebx, r.ecx, r.edx); }

// Each format's leaf line for leaf 1 of a Pentium III, and lines that must not count, read from memory and from a
// stream alike: the stream once kept a line of 129 bytes, where 128 is the most (the peers' plain leaf lines, "ext_cpuid"
// too, read as their twins do, a raw save's lines short of their last word and empty files are refused, the first of a
// leaf repeated 5000 times holds, and a dump mixing formats is refused: tests/tool/cli.sh).
TEST(CpuidDumpTest, OnlyWellFormedLinesOfTheFirstProcessorAreTaken) {
    using Result = CpuidDump::LoadResult;
    const std::string leaf1 = "CPUID 00000001: 0000068A-00000002-00000000-0383FBFF";
    const struct { std::string line; bool taken; uint32_t subLeaf = 0; } cases[] = {
        {leaf1 + std::string(128 - leaf1.size(), ' '), true},
        {leaf1 + std::string(129 - leaf1.size(), ' '), false},
        {leaf1, true},
        {"CPUID 00000001: 0000068a-00000002-00000000-0383fbff", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBF", false},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFFF", false},
        {"CPUID 00000001: 0000068A 00000002 00000000 0383FBFF", false},
        {"CPUID 00000001:0000068A-00000002-00000000-0383FBFF ", false},
        {"cpuid 00000001: 0000068A-00000002-00000000-0383FBFF", false},
        {" CPUID 00000001: 0000068A-00000002-00000000-0383FBFF", false},
        {"CPUID 0000001G: 0000068A-00000002-00000000-0383FBFF", false},
        {"CPUID 00000001: 0000068A-00000002-0000000X-0383FBFF", false},
        {"# CPUID dump of a Pentium III", false},
        // Notes after the registers: their text (a cut one too), or the sub-leaf.
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [GenuineIntel] \r", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [SL 00]", true},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [SL 01]", true, 1},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [SL 1]", false},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF[x]", false},
        {"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF [Intel(R) Core(TM) i7", true},
        // cpuid -r
        {"0x00000001 0x0: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff", true},
        {"   0x00000001 0x01: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff", true, 1},
        {"   0x00000001 0x00: eax=0x0000068a ebx=0x00000002 ecx=0x00000000", false},
        {"   0x00000001: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff", false},
        // cpuid_tool --save
        {"basic_cpuid[]=0000068a 00000002 00000000 0383fbff", false},
        {"basic_cpuid[123456789]=0000068a 00000002 00000000 0383fbff", false},
        // Leaf 0 listed only by a later processor stays out.
        {"CPU 0:\n   0x00000001 0x00: eax=0x0000068a ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff\n"
         "CPU 1:\n   0x00000000 0x00: eax=0x00000005 ebx=0x00000000 ecx=0x00000000 edx=0x00000000", true},
        {"_________________ Logical CPU #0 _________________\nbasic_cpuid[1]=0000068a 00000002 00000000 0383fbff\n"
         "_________________ Logical CPU #1 _________________\nbasic_cpuid[0]=00000005 00000000 00000000 00000000", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::string text = c.line;
        CpuidDump dump, fromStream;
        EXPECT_EQ(dump.LoadText(text.data(), text.size()), c.taken ? Result::kLoaded : Result::kNoLeaf);
        const CpuidRegisters expected = c.taken ? CpuidRegisters{0x68A, 2, 0, 0x0383FBFF} : CpuidRegisters{0, 0, 0, 0};
        EXPECT_EQ(Regs(dump.Execute(1, c.subLeaf)), Regs(expected));
        EXPECT_EQ(dump.Execute(1, c.subLeaf ^ 1).eax, 0u);
        EXPECT_EQ(dump.Execute(0, 0).eax, 0u);
        FILE* stream = fmemopen(&text[0], text.size(), "r");
        EXPECT_EQ(fromStream.LoadStream(stream), c.taken ? Result::kLoaded : Result::kNoLeaf);
        std::fclose(stream);
        EXPECT_EQ(Regs(fromStream.Execute(1, c.subLeaf)), Regs(expected));
    }
}

// A missing file cannot be read (a directory, a file without a leaf line: tests/tool/cli.sh). A
// valid line made overlong by blanks is skipped whole, the last line counts without a newline, and
// lines beyond the leaf limit are left out, whatever repeats, so that memory stays bounded.
TEST(CpuidDumpTest, DumpsAreReadLineByLineWithinBounds) {
    CpuidDump dump;
    EXPECT_EQ(dump.LoadFile(TIVREL_DUMP_DIR "/no-such-dump.txt"), CpuidDump::LoadResult::kUnreadable);
    std::string text = "CPUID 00000001: 0000068A-00000002-00000000-0383FBFF" + std::string(5000, ' ') + "x\n";
    char line[64];
    for (uint32_t leaf = 2; leaf <= kDumpLeafLimit; ++leaf) {   // with the last line below, the limit's worth
        std::snprintf(line, sizeof line, "CPUID %08X: %08X-00000000-00000000-00000000\n", leaf, leaf);
        text += line;
    }
    text += "CPUID 00000000: 00000002-756E6547-6C65746E-49656E69";
    FILE* stream = fmemopen(&text[0], text.size(), "r");   // long enough to cross the reader's chunks
    EXPECT_EQ(dump.LoadStream(stream), CpuidDump::LoadResult::kLoaded);
    std::fclose(stream);
    EXPECT_EQ(dump.Execute(1, 0).eax, 0u);
    EXPECT_EQ(dump.Execute(0, 0).eax, 2u);
    EXPECT_EQ(dump.Execute(kDumpLeafLimit, 0).eax, kDumpLeafLimit);
    text += "\nCPUID 00000001: 00000001-00000000-00000000-00000000";   // one line past the limit
    dump.LoadText(text.data(), text.size());
    EXPECT_EQ(dump.Execute(1, 0).eax, 0u);
}

// Leaf 4's sub-leaves 0 to 2 in each format: marked, numbered by order where a collection repeats
// a leaf without marks, in cpuid -r's column, in a raw save's array. Only the first logical
// processor counts, whichever way the next one begins; a sub-leaf the dump lacks answers zeros.
TEST(CpuidDumpTest, SubLeavesOfTheFirstProcessorInEveryFormat) {
    const std::string kLeaf0 = "CPUID 00000000: 0000000B-756E6547-6C65746E-49656E69\n";
    const std::string kLines =
        "CPUID 00000004: 00000121-01C0003F-0000003F-00000000\n"
        "CPUID 00000004: 00000122-01C0003F-0000003F-00000000\n"
        "CPUID 00000004: 00000143-03C0003F-00000FFF-00000000\n";
    const std::string kNext = "CPUID 00000004: 00000163-03C0003F-00003FFF-00000000\n";
    const std::string kMarked =
        "CPUID 00000004: 00000143-03C0003F-00000FFF-00000000 [SL 02]\n"
        "CPUID 00000004: 00000121-01C0003F-0000003F-00000000 [SL 00]\n"
        "CPUID 00000004: 00000122-01C0003F-0000003F-00000000 [SL 01]\n";
    const std::string kRaw =
        "CPU 0:\n"
        "   0x00000004 0x00: eax=0x00000121 ebx=0x01c0003f ecx=0x0000003f edx=0x00000000\n"
        "   0x00000004 0x01: eax=0x00000122 ebx=0x01c0003f ecx=0x0000003f edx=0x00000000\n"
        "   0x00000004 0x02: eax=0x00000143 ebx=0x03c0003f ecx=0x00000fff edx=0x00000000\n"
        "CPU 1:\n"
        "   0x00000004 0x03: eax=0x00000163 ebx=0x03c0003f ecx=0x00003fff edx=0x00000000\n";
    const std::string kSave =
        "_________________ Logical CPU #0 _________________\n"
        "basic_cpuid[4]=00000121 01c0003f 0000003f 00000000\n"
        "intel_fn4[0]=00000121 01c0003f 0000003f 00000000\n"
        "intel_fn4[1]=00000122 01c0003f 0000003f 00000000\n"
        "intel_fn4[2]=00000143 03c0003f 00000fff 00000000\n"
        "_________________ Logical CPU #1 _________________\n"
        "intel_fn4[3]=00000163 03c0003f 00003fff 00000000\n";
    const std::string dumps[] = {
        kLines + kLeaf0 + kNext,                                         // a second leaf 0
        "------[ Logical CPU #0 ]------\n" + kLines + "------[ Logical CPU #1 ]------\n" + kNext,
        "CPUID Registers (CPU #1):\n" + kLines + "CPUID Registers (CPU #2):\n" + kNext,
        kMarked + "CPUID Registers (CPU #2):\n" + kNext,
        kRaw,
        kSave,
    };
    for (const std::string& text : dumps) {
        SCOPED_TRACE(text);
        CpuidDump dump;
        ASSERT_EQ(dump.LoadText(text.data(), text.size()), CpuidDump::LoadResult::kLoaded);
        EXPECT_EQ(Regs(dump.Execute(4, 0)), Regs({0x121, 0x01C0003F, 0x3F, 0}));
        EXPECT_EQ(Regs(dump.Execute(4, 1)), Regs({0x122, 0x01C0003F, 0x3F, 0}));
        EXPECT_EQ(Regs(dump.Execute(4, 2)), Regs({0x143, 0x03C0003F, 0xFFF, 0}));
        EXPECT_EQ(Regs(dump.Execute(4, 3)), Regs({0, 0, 0, 0}));
    }
    // Marks and order agree where marks stop: an unmarked repeat after a marked line starts again
    // at 0, and the first line of a sub-leaf holds.
    const std::string mixed = kMarked + "CPUID 00000004: 0000FFFF-00000000-00000000-00000000\n";
    CpuidDump dump;
    dump.LoadText(mixed.data(), mixed.size());
    EXPECT_EQ(dump.Execute(4, 0).eax, 0x121u);
}
