// tivrel-cpuid: the processor identification of Tivrel on the command line, for the running
// processor or a CPUID dump.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#if defined(_WIN32)
#include <unistd.h>
#else
#include <time.h>
#endif

#include "cpu/CpuidDump.h"
#include "cpu/FrequencyMeasure.h"
#include "cpu/FrequencyWorker.h"
#include "cpu/MeasuringSettings.h"
#include "cpu/NativeCpuid.h"
#include "cpu/ProcessorRecord.h"
#include "tools/CpuidOutput.h"
#include "tools/TivrelCpuid.h"
#include "version.h"

namespace {

constexpr char kUsage[] =
    "Usage: tivrel-cpuid [OPTION]... [FILE]\n"
    "Identify an x86 processor: the running one, or the one a CPUID dump FILE describes.\n"
    "\n"
    "With no option, print a summary for people to read: the processor's name, vendor,\n"
    "family / model / stepping (and where they differ, the family and model with the\n"
    "extended fields folded in), type, code name and product line from Tivrel's processor\n"
    "database (8th edition, December 2026), brand ID and brand string, the feature flags\n"
    "of each word by the names operating systems give them, and the caches and TLBs.\n"
    "Nothing is measured unless --measure is given.\n"
    "\n"
    "Options:\n"
    "  --fields          print one \"name: value\" line per field instead, in a fixed order:\n"
    "                    the processor record (vendorString, vendorIndex, signature, cpuFamily,\n"
    "                    cpuModel, cpuStepping, displayFamily, displayModel, cpuType, brandId,\n"
    "                    featuresEdx, featuresEcx, extFeaturesEdx, brandStringValid,\n"
    "                    brandString, transmetaShift), the caches (l1Instruction, l1Data, l2,\n"
    "                    l3 in KB, level1Grid.rowCount and its rows level1Grid[N], the same\n"
    "                    for level23Grid, unknownDescriptor for each leaf-2 descriptor the\n"
    "                    table lacks), and the description (matchedEntry, statsKey,\n"
    "                    processorText, vendorText, typeText, familyText, modelLineText,\n"
    "                    codeNameText, brandText), then the later feature words (leaf7Ebx,\n"
    "                    leaf7Ecx, leaf7Edx: leaf 7 sub-leaf 0; leaf7Sub1Eax: leaf 7 sub-leaf\n"
    "                    1; extFeaturesEcx: leaf 80000001 ECX; 0 where the processor reports\n"
    "                    no such leaf) and flags: the name operating systems give each set\n"
    "                    bit of the eight words (as in /proc/cpuinfo: pni, ssse3, avx2,\n"
    "                    sha_ni, lahf_lm...; the leaf 1 EDX bits that leaf 80000001 EDX\n"
    "                    repeats, once), on one line parted by blanks. Names and values\n"
    "                    are a stable interface.\n"
    "  --json            print the same fields as one JSON object (see JSON below)\n"
    "  --measure [SECONDS]\n"
    "                    also measure the clock as Tivrel.exe does: time-stamp-counter ticks\n"
    "                    across a sleep of SECONDS (default 3, at most 3600). Goes with the\n"
    "                    summary and --json; refused for a dump, and on a processor without\n"
    "                    a time-stamp counter.\n"
    "  --dump            write the running processor's leaves as CPUID lines: every basic\n"
    "                    and extended leaf up to the highest the processor reports (at most\n"
    "                    256 of each), and the leaves the probe reads beyond them; a leaf\n"
    "                    with sub-leaves once per sub-leaf, marked \"[SL 01]\"; save it to\n"
    "                    identify the processor elsewhere.\n"
    "  -h, --help        show this text and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "FILE is a CPUID dump; \"-\" reads it from standard input. Its format is told from its\n"
    "lines (hexadecimal digits in either case):\n"
    "  CPUID lines       \"CPUID 00000001: 0000068A-00000002-00000000-0383FBFF\" (leaf, then\n"
    "                    EAX-EBX-ECX-EDX), as --dump writes them; or as the public dump\n"
    "                    collections do, with a note in brackets after the registers: their\n"
    "                    text (\"[GenuineIntel]\", its \"]\" may be missing), or a sub-leaf\n"
    "                    (\"[SL 01]\"); lines repeating a leaf without a sub-leaf note are its\n"
    "                    sub-leaves from 0; \"------[ Logical CPU #1 ]------\" or \"CPUID\n"
    "                    Registers (CPU #2):\" opens a later processor's block\n"
    "  cpuid -r          \"CPU 0:\", then lines such as \"   0x00000001 0x00: eax=0x0000068a\n"
    "                    ebx=0x00000002 ecx=0x00000000 edx=0x0383fbff\" (leaf, sub-leaf)\n"
    "  cpuid_tool --save \"basic_cpuid[1]=0000068a 00000002 00000000 0383fbff\" for leaf 1,\n"
    "                    \"ext_cpuid[N]=...\" for leaf 80000000 + N (N decimal), and the\n"
    "                    sub-leaf arrays intel_fn4[N], intel_fn11[N], intel_fn12h[N],\n"
    "                    intel_fn14h[N] and amd_fn8000001dh[N] (sub-leaf N); a \"Logical\n"
    "                    CPU #N\" line opens each processor's block\n"
    "Every sub-leaf counts, only in the first processor's block, which a second leaf 0 also\n"
    "ends; for a leaf and sub-leaf listed twice the first line holds. Other lines are\n"
    "ignored; a leaf or sub-leaf not listed answers zeros. In\n"
    "every format at most 64 MiB are read (a larger dump is refused), at most 65,536 leaf\n"
    "lines are kept (later ones are left out), and lines longer than 128 bytes are skipped.\n"
    "Texts are printed as Tivrel's own bytes (Windows-1252; the micro sign is byte B5),\n"
    "except in JSON.\n"
    "\n"
    "JSON: one UTF-8 object whose members are the fields of --fields, by the same names and\n"
    "in the same order. Texts are strings (the micro sign becomes U+00B5); numbers are\n"
    "numbers, and signature and the eight feature words come again as eight hex digits\n"
    "in a string named with \"Hex\" added (signatureHex, featuresEdxHex, ...).\n"
    "level1Grid.rowCount and level23Grid.rowCount are numbers, level1Grid and level23Grid\n"
    "arrays of rows, each an array of five strings; unknownDescriptor is an array of\n"
    "numbers, flags an array of strings. With --measure, measuredMhz (a number) comes\n"
    "last.\n"
    "\n"
    "Exit status: 0 on success; 2 for a usage error, or a dump that cannot be read, holds no\n"
    "well-formed CPUID line, mixes formats or is too large, with a one-line message on\n"
    "standard error.\n"
    "\n"
    "Examples:\n"
    "  tivrel-cpuid                          this processor, for people\n"
    "  tivrel-cpuid --measure 5              the same with the clock, measured for 5 seconds\n"
    "  tivrel-cpuid --dump > cpu.txt         save this processor's leaves\n"
    "  tivrel-cpuid --fields cpu.txt         the saved processor, for scripts\n"
    "  cpuid -r | tivrel-cpuid --json -      another tool's dump, as JSON\n";

enum class Output { kSummary, kFields, kJson, kDump };

struct Options {
    Output output = Output::kSummary;
    bool measure = false;
    uint32_t seconds = kDefaultMeasuringSeconds;
    const char* file = nullptr;
};

// What a step returns when the run goes on; anything else is the exit status.
constexpr int kCarryOn = -1;

int UsageError(const ToolStreams& streams, const char* message, const char* argument) {
    std::fprintf(streams.err, "tivrel-cpuid: %s%s\n%s", message, argument, kUsage);
    return 2;
}

int Fail(const ToolStreams& streams, const char* message, const char* argument) {
    std::fprintf(streams.err, "tivrel-cpuid: %s%s\n", message, argument);
    return 2;
}

// A whole decimal number of seconds, 1 to 3600.
bool ReadSeconds(const char* text, uint32_t& seconds) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    if (*end != '\0' || value == 0 || value > kMaxMeasuringSeconds) return false;
    seconds = static_cast<uint32_t>(value);
    return true;
}

int ReadOptions(int argc, char** argv, const ToolStreams& streams, Options& options) {
    bool filesOnly = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (filesOnly || argument[0] != '-' || std::strcmp(argument, "-") == 0) {
            if (options.file != nullptr) return UsageError(streams, "more than one dump: ", argument);
            options.file = argument;
        } else if (std::strcmp(argument, "--") == 0) {
            filesOnly = true;
        } else if (std::strcmp(argument, "-h") == 0 || std::strcmp(argument, "--help") == 0) {
            std::fputs(kUsage, streams.out);
            return 0;
        } else if (std::strcmp(argument, "--version") == 0) {
            std::fprintf(streams.out, "tivrel-cpuid %s (%s)\n", TIVREL_VERSION_TEXT, TIVREL_VERSION_DOTTED);
            return 0;
        } else if (std::strcmp(argument, "--fields") == 0) {
            options.output = Output::kFields;
        } else if (std::strcmp(argument, "--json") == 0) {
            options.output = Output::kJson;
        } else if (std::strcmp(argument, "--dump") == 0) {
            options.output = Output::kDump;
        } else if (std::strcmp(argument, "--measure") == 0) {
            options.measure = true;
            // An argument that begins with a digit is the seconds; anything else is not.
            if (i + 1 < argc && argv[i + 1][0] >= '0' && argv[i + 1][0] <= '9') {
                if (!ReadSeconds(argv[++i], options.seconds)) return UsageError(streams, "--measure takes 1 to 3600 seconds, not ", argv[i]);
            }
        } else {
            return UsageError(streams, "unknown option ", argument);
        }
    }
    if (options.output == Output::kDump && options.file != nullptr) return UsageError(streams, "--dump takes no dump: ", options.file);
    if (options.measure && (options.output == Output::kFields || options.output == Output::kDump))
        return UsageError(streams, "--measure goes with the summary or --json only", "");
    return kCarryOn;
}

int LoadDump(const ToolStreams& streams, CpuidDump& dump, const char* file) {
    const bool standardInput = std::strcmp(file, "-") == 0;
    const CpuidDump::LoadResult result = standardInput ? dump.LoadStream(streams.in) : dump.LoadFile(file);
    const char* name = standardInput ? "standard input" : file;
    switch (result) {
    case CpuidDump::LoadResult::kLoaded: return kCarryOn;
    case CpuidDump::LoadResult::kUnreadable: return Fail(streams, "cannot read CPUID dump ", name);
    case CpuidDump::LoadResult::kNoLeaf: return Fail(streams, "no CPUID line in ", name);
    case CpuidDump::LoadResult::kTooLarge: return Fail(streams, "CPUID dump larger than 64 MiB: ", name);
    case CpuidDump::LoadResult::kMixedFormats: return Fail(streams, "CPUID dump mixes formats: ", name);
    }
    return Fail(streams, "cannot read CPUID dump ", name);
}

class HostClock final : public FrequencyClock {
public:
    uint64_t ReadTimeStamp() override { return __builtin_ia32_rdtsc(); }
    void SleepMilliseconds(uint32_t milliseconds) override {
#if defined(_WIN32)
        // The runtime's usleep is the system's millisecond sleep; it takes less than a second.
        for (uint32_t step; milliseconds > 0; milliseconds -= step) {
            step = milliseconds < 500 ? milliseconds : 500;
            usleep(step * 1000);
        }
#else
        timespec pause = {static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
        while (nanosleep(&pause, &pause) != 0) {
        }
#endif
    }
};

// One pass, as a worker of Tivrel.exe measures; a pass whose count is no plausible clock (a
// counter that jumped) is measured again.
uint32_t MeasureClock(uint32_t seconds) {
    HostClock clock;
    for (;;) {
        const uint32_t megahertz = MeasureFrequencyPass(clock, seconds);
        if (megahertz != 0) return megahertz;
    }
}

}  // namespace

// The records start as in a new process, so that the tool may run more than once in one.
int RunTivrelCpuid(int argc, char** argv, const ToolStreams& streams) {
    Options options;
    const int status = ReadOptions(argc, argv, streams, options);
    if (status != kCarryOn) return status;
    processorRecord = {};
    UnknownDescriptors unknown = {};
    NativeCpuid native;
    CpuidDump dump;
    if (options.file != nullptr) {
        if (options.measure) return Fail(streams, "--measure needs the running processor, not a dump", "");
        const int loaded = LoadDump(streams, dump, options.file);
        if (loaded != kCarryOn) return loaded;
        IdentifyProcessor(dump, unknown);
    } else {
        if (!native.CanToggleFlag(kIdFlag)) return Fail(streams, "this processor has no CPUID instruction", "");
        IdentifyProcessor(native, unknown);
    }
    if (options.output == Output::kDump) {
        PrintDump(streams.out, native);
        return 0;
    }
    uint32_t megahertz = 0;
    if (options.measure) {
        if (!HasTimeStampCounter(processorRecord.featuresEdx)) return Fail(streams, "this processor has no time-stamp counter", "");
        megahertz = MeasureClock(options.seconds);
    }
    if (options.output == Output::kFields) {
        PrintFields(streams.out, FieldStyle::kLines, unknown, 0);
    } else if (options.output == Output::kJson) {
        PrintFields(streams.out, FieldStyle::kJson, unknown, megahertz);
    } else {
        PrintSummary(streams.out, megahertz);
    }
    return 0;
}
