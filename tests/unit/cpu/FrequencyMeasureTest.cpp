// Clock arithmetic, one measuring pass on a fake counter, and frequencyText handover.
#include <atomic>
#include <cstring>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "cpu/FrequencyMeasure.h"
#include "cpu/FrequencyResult.h"
#include "cpu/MeasuringSettings.h"
#include "text/WideDivide.h"

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
        {3000000000ull, 3, 1000},
        {0, 3, 0},
        {999999, 1, 0},
        {8400000000ull, 3, 2800},
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

class FakeClock : public FrequencyClock {
public:
    uint64_t ReadTimeStamp() override { return now; }
    void SleepMilliseconds(uint32_t milliseconds) override {
        slept = milliseconds;
        now += ticksPerSleep;
    }
    uint64_t now = 0xFFFFFFFF00000000ull;   // wraps during the sleep
    uint64_t ticksPerSleep = 0;
    uint32_t slept = 0;
};

TEST(FrequencyMeasureTest, PassSleepsTheSecondsAndPublishesTheResult) {
    ResetFrequencyResult();
    FakeClock clock;
    clock.ticksPerSleep = 2999999999ull;
    clock.now = 0xFFFFFFFFFFFFFF00ull;
    EXPECT_EQ(MeasureFrequencyPass(clock, 3), 999u);
    EXPECT_EQ(clock.slept, 3000u);
    EXPECT_EQ(measuredMhz.load(), 999u);
    char text[kFrequencyTextSize];
    ReadFrequencyText(text, sizeof text);
    EXPECT_STREQ(text, "999 MHz");

    clock.ticksPerSleep = 5000000000ull;
    EXPECT_EQ(MeasureFrequencyPass(clock, 0), 1666u);
    EXPECT_EQ(clock.slept, 3000u);
    clock.ticksPerSleep = 3600000000ull;
    EXPECT_EQ(MeasureFrequencyPass(clock, 100000), 1u);
    EXPECT_EQ(clock.slept, kMaxMeasuringSeconds * 1000);
}

// A counter that went backwards, one far too fast, or one standing still: the pass
// changes nothing and reports 0; the last good value stays shown.
TEST(FrequencyMeasureTest, ImplausibleCountsAreDiscarded) {
    ResetFrequencyResult();
    PublishMegahertz(2596);
    measuredMhz = 2596;
    const uint64_t ticks[] = {0xFFFFFFFFFFFFFFFFull - 1000, 300003000000ull, 0, 2999999};
    for (uint64_t perSleep : ticks) {
        SCOPED_TRACE(perSleep);
        FakeClock clock;
        clock.ticksPerSleep = perSleep;
        EXPECT_EQ(MeasureFrequencyPass(clock, 3), 0u);
        EXPECT_EQ(measuredMhz.load(), 2596u);
        char text[kFrequencyTextSize];
        ReadFrequencyText(text, sizeof text);
        EXPECT_STREQ(text, "2596 MHz");
    }
    FakeClock edge;
    edge.ticksPerSleep = 300000000000ull;   // exactly 100,000 MHz still counts
    EXPECT_EQ(MeasureFrequencyPass(edge, 3), kMostPlausibleMegahertz);
}

TEST(FrequencyMeasureTest, TextsAsTheFieldShowsThem) {
    const struct { uint32_t megahertz; const char* text; } cases[] = {
        {0, "0 MHz"}, {9, "9 MHz"}, {10, "10 MHz"}, {2800, "2800 MHz"},
        {2147483648u, "2147483648 MHz"}, {0xFFFFFFFFu, "4294967295 MHz"},
    };
    char text[kFrequencyTextSize];
    for (const auto& c : cases) {
        PublishMegahertz(c.megahertz);
        ReadFrequencyText(text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
    PublishCalculating();
    ReadFrequencyText(text, sizeof text);
    EXPECT_STREQ(text, "Calculating...");
    ReadFrequencyText(text, 5);
    EXPECT_STREQ(text, "Calc");
    ResetFrequencyResult();
    ReadFrequencyText(text, sizeof text);
    EXPECT_STREQ(text, "");
}

TEST(FrequencyMeasureTest, OverlongTextIsCutTo127Bytes) {
    const std::string longText(300, 'x');
    PublishFrequencyText(longText.c_str());
    char text[300];
    ReadFrequencyText(text, sizeof text);
    EXPECT_EQ(std::strlen(text), kFrequencyTextSize - 1);
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
    char text[kFrequencyTextSize];
    int torn = 0;
    for (int i = 0; i < 20000; ++i) {
        ReadFrequencyText(text, sizeof text);
        if (a != text && b != text) ++torn;
    }
    stop = true;
    first.join();
    second.join();
    EXPECT_EQ(torn, 0);
}
