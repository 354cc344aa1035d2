// The cache test: the sweep, the ticks' arithmetic and text, and the worker's stop (the sizes
// from 1 KB to 4096 KB, thirteen ticks: tests/ui/scenarios/system.sh).
#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <thread>
#include <vector>

#include "cache/CacheTest.h"

// Each step reads the word at p and stores it 4 bytes lower, 8 bytes per step, from the top
// (buffer + size) down; nothing below the block or above its top word is touched.
TEST(CacheTestTest, SweepMovesEachWordDownFourBytes) {
    std::vector<uint8_t> memory(64 + 4 + 16);
    std::iota(memory.begin(), memory.end(), 1);
    const std::vector<uint8_t> before = memory;
    uint8_t* buffer = memory.data() + 8;
    CacheSweep(buffer, 64);
    for (size_t i = 0; i < memory.size(); ++i) {
        const size_t offset = i - 8;   // from buffer
        const bool stored = i >= 8 && offset < 64 && offset % 8 >= 4;
        EXPECT_EQ(memory[i], stored ? before[i + 4] : before[i]) << i;
    }
}

// A test whose worker may still fail to start keeps the former result; once it runs, each tick
// writes size and MB swept, doubles the size and restarts the count, and 4096 KB is the last.
// 5000 sweeps of 4 MB is more than 32 bits of bytes: the figure must not wrap.
TEST(CacheTestTest, TicksWriteTheThroughputUntil4096Kb) {
    std::strcpy(cacheTestText, " 1 KB\\9  ");
    BeginCacheTest();
    EXPECT_STREQ(cacheTestText, " 1 KB\\9  ");
    StartCacheTestText();
    cachePassCount = 3000;
    EXPECT_FALSE(CacheTestTick());
    EXPECT_EQ(cacheBlockSize.load(), 2048u);
    EXPECT_EQ(cachePassCount.load(), 0u);
    cacheBlockSize = 4096 * 1024;
    cachePassCount = 5000;
    EXPECT_TRUE(CacheTestTick());
    EXPECT_EQ(cacheBlockSize.load(), 0u);   // 8192 KB is never measured
    EXPECT_STREQ(cacheTestText, " 1 KB\\3  4096 KB\\20971  ");
}

TEST(CacheTestTest, WorkerSweepsUntilTheSizeIsZero) {
    std::vector<uint8_t> allocation(kCacheTestAllocation);
    cacheBlockSize = 4096;
    cachePassCount = 0;
    std::thread worker(RunCacheSweeps, allocation.data() + kCacheTestOffset);
    while (cachePassCount.load() < 10) std::this_thread::yield();
    cacheBlockSize = 0;
    worker.join();
    EXPECT_GE(cachePassCount.load(), 10u);
}
