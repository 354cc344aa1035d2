// The dump readers, every format, and tivrel-cpuid on a dump given as a file and on standard
// input: the tool gives, both ways alike, the fields of the processor the reader finds in
// memory with status 0, or one message line with status 2 when it finds none (JSON alike); and
// a dump it accepts, written back as --dump writes it, is the same processor again.
#include <unistd.h>

#include <algorithm>

#include "FuzzInput.h"
#include "cpu/CpuidDump.h"
#include "tools/TivrelCpuid.h"

namespace {

struct Run {
    int status;
    std::string out, err;
};

Run RunTool(const char* form, const char* file, FILE* in) {
    char* argv[] = {const_cast<char*>("tivrel-cpuid"), const_cast<char*>(form), const_cast<char*>(file), nullptr};
    char *out = nullptr, *err = nullptr;
    size_t outLength = 0, errLength = 0;
    FILE* outStream = open_memstream(&out, &outLength);
    FILE* errStream = open_memstream(&err, &errLength);
    const int status = RunTivrelCpuid(3, argv, {in, outStream, errStream});
    std::fclose(outStream);
    std::fclose(errStream);
    Run run{status, std::string(out, outLength), std::string(err, errLength)};
    std::free(out);
    std::free(err);
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static char path[] = "/tmp/tivrel-fuzz-dump-XXXXXX";
    static const int file = [] {
        std::atexit([] { unlink(path); });
        return mkstemp(path);
    }();
    Require(file >= 0 && ftruncate(file, 0) == 0, "the dump file is there");
    Require(pwrite(file, data, size, 0) == static_cast<ssize_t>(size), "the dump is written");
    const Run named = RunTool("--fields", path, nullptr);
    FILE* in = std::fopen(path, "rb");
    const Run piped = RunTool("--fields", "-", in);
    std::fclose(in);
    Require(piped.status == named.status && piped.out == named.out, "standard input reads as the file does");
    Require(RunTool("--json", path, nullptr).status == named.status, "JSON for the same dumps");
    Require(std::count(named.err.begin(), named.err.end(), '\n') == (named.status == 0 ? 0 : 1), "at most one message line");

    CpuidDump dump;
    const bool loaded = dump.LoadText(reinterpret_cast<const char*>(data), size) == CpuidDump::LoadResult::kLoaded;
    Require(named.status == (loaded ? 0 : 2), "status 0 exactly for a dump the reader accepts in memory");
    if (!loaded) {
        Require(named.out.empty(), "nothing on standard output for a refused dump");
        return 0;
    }
    const std::string fields = FieldLines(dump);
    Require(named.out == fields, "the file gives the processor the reader finds in memory");
    char* written = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&written, &length);
    PrintDump(out, dump);
    std::fclose(out);
    CpuidDump again;
    Require(again.LoadText(written, length) == CpuidDump::LoadResult::kLoaded, "the dump written back reads");
    std::free(written);
    Require(FieldLines(again) == fields, "the dump written back is the same processor");
    return 0;
}
