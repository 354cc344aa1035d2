// The frequency worker's claim: one worker at most, none without a time-stamp counter.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "cpu/FrequencyWorker.h"
#include "cpu/MeasuringSettings.h"

namespace {

constexpr uint32_t kWithTsc = 1u << 4;

class FrequencyWorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        continuousMeasuring = 0;
        ReleaseFrequencyWorker();
    }
    void TearDown() override { ReleaseFrequencyWorker(); }
};

TEST_F(FrequencyWorkerTest, NoWorkerWithoutTimeStampCounter) {
    EXPECT_FALSE(ClaimFrequencyWorker(~kWithTsc));
    EXPECT_TRUE(ClaimFrequencyWorker(kWithTsc));   // the refusal took no claim
}

TEST_F(FrequencyWorkerTest, SecondClaimFailsWhileOneRuns) {
    ASSERT_TRUE(ClaimFrequencyWorker(kWithTsc));
    EXPECT_FALSE(ClaimFrequencyWorker(kWithTsc));
    EXPECT_FALSE(ContinueFrequencyWorker());   // measuring once: the worker ends
    EXPECT_TRUE(ClaimFrequencyWorker(kWithTsc));
}

TEST_F(FrequencyWorkerTest, ContinuousMeasuringKeepsTheClaim) {
    ASSERT_TRUE(ClaimFrequencyWorker(kWithTsc));
    continuousMeasuring = 1;
    EXPECT_TRUE(ContinueFrequencyWorker());
    EXPECT_FALSE(ClaimFrequencyWorker(kWithTsc));
    continuousMeasuring = 2;   // only 1 means continuous
    EXPECT_FALSE(ContinueFrequencyWorker());
}

// Workers end their passes while the page switches measuring off and on and
// starts workers: passes of two workers never overlap, and when measuring is left
// on, a worker is still measuring.
TEST_F(FrequencyWorkerTest, TogglingNeverLeavesTwoWorkersOrNone) {
    for (int round = 0; round < 100; ++round) {
        std::atomic<int> inPass{0};
        std::atomic<int> overlaps{0};
        std::atomic<int> passes{0};
        std::vector<std::thread> workers;
        auto work = [&] {
            do {
                if (++inPass > 1) ++overlaps;
                std::this_thread::yield();
                --inPass;
                ++passes;
            } while (ContinueFrequencyWorker());
        };
        auto switchOn = [&] {
            continuousMeasuring = 1;
            if (ClaimFrequencyWorker(kWithTsc)) workers.emplace_back(work);
        };
        switchOn();
        for (int toggle = 0; toggle < 20; ++toggle) {
            if (toggle % 2) switchOn();
            else continuousMeasuring = 0;
        }
        switchOn();
        const int before = passes;
        for (int wait = 0; wait < 5000 && passes < before + 3; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_GE(passes, before + 3) << "round " << round << ": nobody measures";
        continuousMeasuring = 0;
        for (std::thread& worker : workers) worker.join();
        EXPECT_EQ(0, overlaps.load()) << "round " << round;
    }
}

}  // namespace
