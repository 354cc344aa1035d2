// The cache test's sweep measured natively: for each block size of the test, the same portable
// loop runs on a worker for half a second, and the megabytes swept are printed as the test
// prints them ("<KB> KB\<MB>").
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "cache/CacheTest.h"

int main() {
    std::vector<uint8_t> allocation(kCacheTestAllocation);
    uint8_t* buffer = allocation.data() + kCacheTestOffset;
    for (uint32_t size = 1024; size <= kCacheTestAllocation; size *= 2) {
        cacheBlockSize = size;
        cachePassCount = 0;
        std::thread worker(RunCacheSweeps, buffer);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const uint64_t passes = cachePassCount.load();
        cacheBlockSize = 0;
        worker.join();
        std::printf("%u KB\\%llu\n", size / 1024, static_cast<unsigned long long>(passes * size / 1000000));
    }
    return 0;
}
