// tivrel-cpuid on a dump, given as a file and on standard input, as fields, JSON or summary (told
// by the input's length): status 0 with output, or status 2 with one line on standard error, and
// the same for both ways in.
#include <unistd.h>

#include <algorithm>

#include "FuzzInput.h"
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
    static const char* const kForms[] = {"--fields", "--json", "--"};
    const char* form = kForms[size % 3];
    const Run named = RunTool(form, path, nullptr);
    FILE* in = std::fopen(path, "rb");
    const Run piped = RunTool(form, "-", in);
    std::fclose(in);
    Require(named.status == 0 ? !named.out.empty() && named.err.empty() : named.status == 2 && named.out.empty(),
            "output and status 0, or none and status 2");
    Require(std::count(named.err.begin(), named.err.end(), '\n') == (named.status == 0 ? 0 : 1), "at most one message line");
    Require(piped.status == named.status && piped.out == named.out, "standard input reads as the file does");
    return 0;
}
