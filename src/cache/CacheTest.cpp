// The cache test's sweep and its half-second ticks.
#include "cache/CacheTest.h"

#include <cstring>

#include "text/TextRoutines.h"
#include "text/WideDivide.h"

uint32_t cacheTestRunning;
char cacheTestText[kCacheTestTextSize];
std::atomic<uint32_t> cacheBlockSize{0};
std::atomic<uint32_t> cachePassCount{0};

namespace {

constexpr uint32_t kFirstBlockSize = 1024;
constexpr uint32_t kLastBlockSize = kCacheTestAllocation;   // doubling past it ends the test

}  // namespace

void BeginCacheTest() {
    cacheBlockSize.store(kFirstBlockSize, std::memory_order_relaxed);
    cachePassCount.store(0, std::memory_order_relaxed);
}

// Only once the worker runs: a test that could not start leaves the former result, which the
// page still shows, for the report too.
void StartCacheTestText() { CopyText(" ", cacheTestText, kCacheTestTextSize); }

// The product of passes and size is formed in 64 bits: a fast processor sweeps more than 4 GB
// of small blocks in half a second.
bool CacheTestTick() {
    const uint32_t size = cacheBlockSize.load(std::memory_order_relaxed);
    const uint64_t bytes = static_cast<uint64_t>(cachePassCount.load(std::memory_order_relaxed)) * size;
    const uint64_t megabytes = DivideWide(bytes, 1000000);
    char* text = cacheTestText;
    AppendUnsigned(size / 1024, text, kCacheTestTextSize);
    AppendText(" KB\\", text, kCacheTestTextSize);
    AppendUnsigned(megabytes > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(megabytes), text, kCacheTestTextSize);
    AppendText("  ", text, kCacheTestTextSize);
    cachePassCount.store(0, std::memory_order_relaxed);
    const uint32_t next = size * 2;
    if (next > kLastBlockSize) {
        cacheBlockSize.store(0, std::memory_order_relaxed);
        return true;
    }
    cacheBlockSize.store(next, std::memory_order_relaxed);
    return false;
}

// The count is read and written back rather than incremented in place: a 386 has no atomic
// add, and the tick only ever resets it.
void RunCacheSweeps(uint8_t* buffer) {
    for (uint32_t size; (size = cacheBlockSize.load(std::memory_order_relaxed)) != 0;) {
        CacheSweep(buffer, size);
        cachePassCount.store(cachePassCount.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    }
}

// The block sits 10 bytes into its allocation, so its words are unaligned: memcpy of 4 bytes
// is one load or one store all the same, and well defined. The top word read lies at
// buffer + size, inside the allocation.
void CacheSweep(uint8_t* buffer, uint32_t size) {
    for (uint8_t* p = buffer + size; p > buffer;) {
        uint32_t word;
        std::memcpy(&word, p, sizeof word);
        p -= 4;
        std::memcpy(p, &word, sizeof word);
        p -= 4;
    }
}
