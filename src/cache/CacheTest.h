// The cache test: a block swept again and again while its size doubles every half second, and
// the throughput at each size as one line of text (cacheTestText).
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>

constexpr uint32_t kCacheTestAllocation = 5000000;   // zero-filled bytes
constexpr uint32_t kCacheTestOffset = 10;           // the block starts this far into them
constexpr size_t kCacheTestTextSize = 1000;

// The last test's result as the system page shows it and the report prints it (user-interface
// thread only).
extern char cacheTestText[kCacheTestTextSize];

// 1 while a test runs (user-interface thread only).
extern uint32_t cacheTestRunning;
// Shared with the worker: the block's size (0 tells it to stop) and the sweeps since the last
// tick. One side writes each at a time; a tick may miss a sweep that ends as it resets the count.
extern std::atomic<uint32_t> cacheBlockSize;
extern std::atomic<uint32_t> cachePassCount;

// The start: 1 KB, no passes.
void BeginCacheTest();
// The worker started: the result text is one blank until the first tick.
void StartCacheTestText();
// One tick: appends "<KB> KB\<MB swept>  ", doubles the size; true when the test is over (the
// size then is 0 and the worker leaves after its current sweep).
bool CacheTestTick();
// The worker's body: sweeps the block from buffer while the size is not 0.
void RunCacheSweeps(uint8_t* buffer);
// One sweep: from buffer + size down to buffer, one 32-bit load and one store per 8 bytes.
void CacheSweep(uint8_t* buffer, uint32_t size);
