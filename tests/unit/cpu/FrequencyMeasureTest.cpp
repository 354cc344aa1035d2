// Clock arithmetic, one measuring pass on a fake counter, frequencyText handover, and the
// frequency worker's claim.
#include <atomic>
#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "cpu/FrequencyMeasure.h"
#include "cpu/FrequencyResult.h"
#include "cpu/FrequencyWorker.h"
#include "cpu/MeasuringSettings.h"
#include "text/WideDivide.h"

// frequencyText as a reader sees it.
static std::string ReadText() {
    char text[kFrequencyTextSize];
    ReadFrequencyText(text, sizeof text);
    return text;
}

// The executable divides 64-bit values without a runtime helper: compare with the host's '/'.
TEST(FrequencyMeasureTest, WideDivisionMatchesTheHost) {
    std::mt19937_64 random(41);
    for (int i = 0; i < 10000; ++i) {
        const uint64_t dividend = random() >> (random() % 64);
        const uint32_t divisor = static_cast<uint32_t>(random() >> (32 + random() % 32)) | 1;
        ASSERT_EQ(DivideWide(dividend, divisor), dividend / divisor) << dividend << " / " << divisor;
    }
}

// Starts just below the wrap, which every pass then crosses.
struct FakeClock : FrequencyClock {
    uint64_t ReadTimeStamp() override { return now; }
    void SleepMilliseconds(uint32_t milliseconds) override {
        slept = milliseconds;
        now += ticksPerSleep;
    }
    uint64_t now = 0xFFFFFFFFFFFFFF00ull;
    uint64_t ticksPerSleep = 0;
    uint32_t slept = 0;
};

// Megahertz are ticks per microsecond, truncated, saturating beyond 32 bits. A pass sleeps the
// bounded seconds and publishes what the counter says; a counter that went backwards, one far too
// fast, or one standing still gives 0 and changes nothing: the last good value stays shown.
TEST(FrequencyMeasureTest, PassPublishesPlausibleCountsAndDiscardsTheRest) {
    const struct { uint64_t ticks; uint32_t seconds, megahertz; bool published; uint32_t sleptMs; } cases[] = {
        {2999999999ull, 3, 999, true, 3000},   // the fraction is dropped
        {3000000000ull, 3, 1000, true, 3000},
        {3000000000ull, 0, 1000, true, 3000},   // 0 s measures as the default 3 s
        {12000000000ull, 5000, 3, true, 3600000},   // above the longest measuring time: 12e9 / 3.6e9
        {300000000000ull, 3, kMostPlausibleMegahertz, true, 3000},   // exactly 100,000 MHz still counts
        {300003000000ull, 3, kMostPlausibleMegahertz + 1, false, 3000},
        {0, 3, 0, false, 3000},   // standing
        {999999, 1, 0, false, 1000},   // below 1 MHz
        {0xFFFFFFFFFFFFFFFFull - 1000, 1, 0xFFFFFFFFu, false, 1000},   // backwards: the quotient saturates
        {4294967295999999ull, 1, 0xFFFFFFFFu, false, 1000},   // the largest quotient that fits
        {4294967296000000ull, 1, 0xFFFFFFFFu, false, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ticks << " / " << c.seconds);
        EXPECT_EQ(MegahertzFromTicks(c.ticks, c.seconds), c.megahertz);
        PublishMegahertz(2596);
        measuredMhz = 2596;
        FakeClock clock;
        clock.ticksPerSleep = c.ticks;
        EXPECT_EQ(MeasureFrequencyPass(clock, c.seconds), c.published ? c.megahertz : 0);
        EXPECT_EQ(clock.slept, c.sleptMs);
        const uint32_t shown = c.published ? c.megahertz : 2596;
        EXPECT_EQ(measuredMhz.load(), shown);
        EXPECT_EQ(ReadText(), std::to_string(shown) + " MHz");
    }
}

// Two writers and a reader at once: the reader only ever sees whole texts.
TEST(FrequencyMeasureTest, ReaderNeverSeesATornText) {
    const std::string a(100, 'a');
    const std::string b = "Calculating...";
    std::atomic<bool> stop{false};
    PublishFrequencyText(b.c_str());
    auto writer = [&](const std::string& text) {
        while (!stop.load()) PublishFrequencyText(text.c_str());
    };
    std::thread first(writer, a);
    std::thread second(writer, b);
    int torn = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = ReadText();
        if (text != a && text != b) ++torn;
    }
    stop = true;
    first.join();
    second.join();
    EXPECT_EQ(torn, 0);
}

static constexpr uint32_t kWithTsc = 1u << 4;   // leaf 1 EDX bit 4

// None without a time-stamp counter, and the refusal takes no claim; only 1 means continuous, and
// a worker that ends frees its claim. Then workers end their passes while the page switches
// measuring off and on and starts workers: passes of two workers never overlap, and when
// measuring is left on, a worker still measures.
TEST(FrequencyWorkerTest, OneWorkerAtMostAndOnlyWithACounter) {
    ReleaseFrequencyWorker();
    EXPECT_FALSE(ClaimFrequencyWorker(~kWithTsc));
    ASSERT_TRUE(ClaimFrequencyWorker(kWithTsc));
    continuousMeasuring = 2;
    EXPECT_FALSE(ContinueFrequencyWorker());   // the first round's claim below fails if it kept its claim
    for (int round = 0; round < 100; ++round) {
        std::atomic<int> inPass{0}, overlaps{0}, passes{0};
        std::vector<std::thread> workers;
        auto work = [&] {
            do {
                if (++inPass > 1) ++overlaps;
                std::this_thread::yield();
                --inPass;
                ++passes;
            } while (ContinueFrequencyWorker());
        };
        for (int toggle = 0; toggle < 22; ++toggle) {
            continuousMeasuring = toggle % 2 == 0 || toggle == 21 ? 1 : 0;   // on, off, on, ..., on, on
            if (continuousMeasuring == 1 && ClaimFrequencyWorker(kWithTsc)) workers.emplace_back(work);
        }
        const int before = passes;
        for (int wait = 0; wait < 5000 && passes < before + 3; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_GE(passes, before + 3) << "round " << round << ": nobody measures";
        continuousMeasuring = 0;
        for (std::thread& worker : workers) worker.join();
        EXPECT_EQ(0, overlaps.load()) << "round " << round;
    }
}
