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

// frequencyText as a reader with a buffer of cap bytes sees it.
static std::string ReadText(size_t cap = 300) {
    char text[300];
    ReadFrequencyText(text, cap);
    return text;
}

// The executable divides 64-bit values without a runtime helper: compare with the host's '/'.
TEST(FrequencyMeasureTest, WideDivisionMatchesTheHost) {
    std::mt19937_64 random(41);
    const uint64_t dividends[] = {0, 1, 0xFFFFFFFFull, 0x100000000ull, 0xFFFFFFFFFFFFFFFFull, 2999999999ull};
    const uint32_t divisors[] = {1, 3, 1000000, 3600000000u, 0xFFFFFFFFu, 0x80000000u};
    for (uint64_t dividend : dividends)
        for (uint32_t divisor : divisors) EXPECT_EQ(DivideWide(dividend, divisor), dividend / divisor) << dividend;
    for (int i = 0; i < 10000; ++i) {
        const uint64_t dividend = random() >> (random() % 64);
        const uint32_t divisor = static_cast<uint32_t>(random() >> (32 + random() % 32)) | 1;
        ASSERT_EQ(DivideWide(dividend, divisor), dividend / divisor) << dividend << " / " << divisor;
    }
    EXPECT_EQ(DivideWide(12345, 0), 0u);
}

TEST(FrequencyMeasureTest, MegahertzIsTicksPerMicrosecondTruncated) {
    const struct { uint64_t ticks; uint32_t seconds, megahertz; } cases[] = {
        {2999999999ull, 3, 999},            // the fraction is dropped
        {3000000000ull, 3, 1000}, {0, 3, 0}, {999999, 1, 0}, {8400000000ull, 3, 2800},
        {12000000000ull, 3600, 3},           // 12e9 / 3.6e9
        {3000000000ull, 0, 1000},            // 0 s measures as the default 3 s
        {12000000000ull, 5000, 3},           // above the longest measuring time
        {12000000000ull, 0xFFFFFFFF, 3},
        {0xFFFFFFFFFFFFFFFFull, 1, 0xFFFFFFFFu},   // quotient beyond 32 bits saturates
        {4294967295999999ull, 1, 0xFFFFFFFFu},   // the largest quotient that fits
        {4294967296000000ull, 1, 0xFFFFFFFFu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ticks << " / " << c.seconds);
        EXPECT_EQ(MegahertzFromTicks(c.ticks, c.seconds), c.megahertz);
    }
}

// Starts just below the wrap, which every pass then crosses.
class FakeClock : public FrequencyClock {
public:
    uint64_t ReadTimeStamp() override { return now; }
    void SleepMilliseconds(uint32_t milliseconds) override {
        slept = milliseconds;
        now += ticksPerSleep;
    }
    uint64_t now = 0xFFFFFFFFFFFFFF00ull;
    uint64_t ticksPerSleep = 0;
    uint32_t slept = 0;
};

// A pass sleeps the bounded seconds and publishes what the counter says. A counter that went
// backwards, one far too fast, or one standing still gives 0 and changes nothing: the last good
// value stays shown.
TEST(FrequencyMeasureTest, PassPublishesPlausibleCountsAndDiscardsTheRest) {
    const struct { uint64_t ticksPerSleep; uint32_t seconds, megahertz, sleptMs; } cases[] = {
        {2999999999ull, 3, 999, 3000},
        {5000000000ull, 0, 1666, 3000},
        {3600000000ull, 100000, 1, kMaxMeasuringSeconds * 1000},
        {300000000000ull, 3, kMostPlausibleMegahertz, 3000},   // exactly 100,000 MHz still counts
        {0xFFFFFFFFFFFFFFFFull - 1000, 3, 0, 3000}, {300003000000ull, 3, 0, 3000},   // backwards, too fast
        {0, 3, 0, 3000}, {2999999, 3, 0, 3000},                                       // standing, below 1 MHz
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ticksPerSleep);
        PublishMegahertz(2596);
        measuredMhz = 2596;
        FakeClock clock;
        clock.ticksPerSleep = c.ticksPerSleep;
        EXPECT_EQ(MeasureFrequencyPass(clock, c.seconds), c.megahertz);
        EXPECT_EQ(clock.slept, c.sleptMs);
        const uint32_t shown = c.megahertz != 0 ? c.megahertz : 2596;
        EXPECT_EQ(measuredMhz.load(), shown);
        EXPECT_EQ(ReadText(), std::to_string(shown) + " MHz");
    }
}

// A published text is cut to 127 bytes, a reader's to its buffer.
TEST(FrequencyMeasureTest, TextsAsTheFieldShowsThem) {
    const struct { uint32_t megahertz; const char* text; } cases[] = {
        {0, "0 MHz"}, {9, "9 MHz"}, {10, "10 MHz"}, {2800, "2800 MHz"},
        {2147483648u, "2147483648 MHz"}, {0xFFFFFFFFu, "4294967295 MHz"},
    };
    for (const auto& c : cases) {
        PublishMegahertz(c.megahertz);
        EXPECT_EQ(ReadText(), c.text);
    }
    PublishCalculating();
    EXPECT_EQ(ReadText(), "Calculating...");
    EXPECT_EQ(ReadText(5), "Calc");
    PublishFrequencyText(std::string(300, 'x').c_str());
    EXPECT_EQ(ReadText(), std::string(kFrequencyTextSize - 1, 'x'));
    ResetFrequencyResult();
    EXPECT_EQ(ReadText(), "");
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

class FrequencyWorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        continuousMeasuring = 0;
        ReleaseFrequencyWorker();
    }
    void TearDown() override { ReleaseFrequencyWorker(); }
};

// One worker at most, none without a time-stamp counter; it keeps its claim only while
// measuring is continuous.
TEST_F(FrequencyWorkerTest, OneClaimAtMostKeptOnlyWhileMeasuringContinuously) {
    EXPECT_FALSE(ClaimFrequencyWorker(~kWithTsc));
    ASSERT_TRUE(ClaimFrequencyWorker(kWithTsc));     // the refusal took no claim
    EXPECT_FALSE(ClaimFrequencyWorker(kWithTsc));
    EXPECT_FALSE(ContinueFrequencyWorker());         // measuring once: the worker ends
    ASSERT_TRUE(ClaimFrequencyWorker(kWithTsc));     // and frees the claim
    continuousMeasuring = 1;
    EXPECT_TRUE(ContinueFrequencyWorker());
    EXPECT_FALSE(ClaimFrequencyWorker(kWithTsc));
    continuousMeasuring = 2;                         // only 1 means continuous
    EXPECT_FALSE(ContinueFrequencyWorker());
}

// Workers end their passes while the page switches measuring off and on and starts workers:
// passes of two workers never overlap, and when measuring is left on, a worker still measures.
TEST_F(FrequencyWorkerTest, TogglingNeverLeavesTwoWorkersOrNone) {
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
