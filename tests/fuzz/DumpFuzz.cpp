// The dump readers, every format: any bytes read the same from memory and from a stream, and a
// dump they accept, written back as tivrel-cpuid --dump writes it, is the same processor again.
#include "FuzzInput.h"
#include "cpu/CpuidDump.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CpuidDump fromText;
    const CpuidDump::LoadResult result = fromText.LoadText(reinterpret_cast<const char*>(data), size);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    FILE* stream = size > 0 ? fmemopen(&bytes[0], size, "r") : std::fopen("/dev/null", "r");   // fmemopen refuses 0 bytes
    CpuidDump fromStream;
    Require(fromStream.LoadStream(stream) == result, "a stream reads as the same bytes in memory do");
    std::fclose(stream);
    if (result != CpuidDump::LoadResult::kLoaded) return 0;
    const std::string fields = FieldLines(fromText);
    Require(FieldLines(fromStream) == fields, "a stream gives the same processor");

    char* written = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&written, &length);
    PrintDump(out, fromText);
    std::fclose(out);
    CpuidDump again;
    Require(again.LoadText(written, length) == CpuidDump::LoadResult::kLoaded, "the dump written back reads");
    std::free(written);
    Require(FieldLines(again) == fields, "the dump written back is the same processor");
    return 0;
}
