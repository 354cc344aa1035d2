// What the fuzz targets share: the fuzzer's bytes taken as a reader's inputs, the check of a
// promise, and the processor as tivrel-cpuid's field lines.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cpu/CpuidSource.h"
#include "tools/CpuidOutput.h"

// Numbers and texts taken from the front of the bytes; zeros once they run out.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), left_(size) {}
    size_t Left() const { return left_; }
    uint8_t Byte() {
        if (left_ == 0) return 0;
        --left_;
        return *data_++;
    }
    uint32_t Word() {
        uint32_t word = 0;
        for (int shift = 0; shift < 32; shift += 8) word |= static_cast<uint32_t>(Byte()) << shift;
        return word;
    }
    uint64_t Wide() { return Word() | static_cast<uint64_t>(Word()) << 32; }
    // count bytes as they come, without a terminator: a platform's text need not have one.
    void Bytes(void* output, size_t count) {
        for (size_t i = 0; i < count; ++i) static_cast<uint8_t*>(output)[i] = Byte();
    }
    // A terminated text of up to capacity - 1 bytes, its length told by one byte.
    void Text(char* output, size_t capacity) {
        const size_t length = Byte() % capacity;
        Bytes(output, length);
        output[length] = '\0';
    }

private:
    const uint8_t* data_;
    size_t left_;
};

// A broken promise ends the run, so that the fuzzer keeps the input that broke it.
inline void Require(bool kept, const char* promise) {
    if (kept) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

inline bool Terminated(const char* text, size_t size) { return std::memchr(text, '\0', size) != nullptr; }

// The processor as tivrel-cpuid --fields prints it.
inline std::string FieldLines(CpuidSource& cpu) {
    UnknownDescriptors unknown = {};
    IdentifyProcessor(cpu, unknown);
    char* text = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&text, &length);
    PrintFields(out, FieldStyle::kLines, unknown, 0);
    std::fclose(out);
    const std::string lines(text, length);
    std::free(text);
    return lines;
}
