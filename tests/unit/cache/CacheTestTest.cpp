// The cache test: the sweep, the ticks' arithmetic and text, and the worker's stop.
#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <string>
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

TEST(CacheTestTest, ThirteenTicksFrom1KbTo4096Kb) {
    std::strcpy(cacheTestText, " 1 KB\\9  ");
    BeginCacheTest();   // a test whose worker may still fail to start keeps the former result
    EXPECT_STREQ(cacheTestText, " 1 KB\\9  ");
    StartCacheTestText();
    EXPECT_STREQ(cacheTestText, " ");
    std::string expected = " ";
    for (uint32_t tick = 0, size = 1024; tick < 13; ++tick, size *= 2) {
        EXPECT_EQ(cacheBlockSize.load(), size);
        cachePassCount = 2000;
        EXPECT_EQ(CacheTestTick(), tick == 12);
        expected += std::to_string(size / 1024) + " KB\\" + std::to_string(2000ull * size / 1000000) + "  ";
        EXPECT_EQ(cachePassCount.load(), 0u);
    }
    EXPECT_EQ(cacheTestText, expected);
    EXPECT_EQ(cacheBlockSize.load(), 0u);   // 8192 KB is never measured
}

// 5000 sweeps of 1 MB is more than 32 bits of bytes: the figure must not wrap.
TEST(CacheTestTest, ThroughputIsFormedIn64Bits) {
    BeginCacheTest();
    StartCacheTestText();
    cacheBlockSize = 1048576;
    cachePassCount = 5000;
    CacheTestTick();
    EXPECT_STREQ(cacheTestText, " 1024 KB\\5242  ");
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
