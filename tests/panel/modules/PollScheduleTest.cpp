#include "PollSchedule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The times at which frames every `frameMs` from `start` for ten seconds bring a poll.
std::vector<uint32_t> pollsAt(PollSchedule& schedule, uint32_t start, double frameMs) {
    std::vector<uint32_t> polls;
    const int frames = int(10000.0 / frameMs);
    for (int n = 0; n < frames; ++n) {
        const uint32_t now = start + uint32_t(n * frameMs);
        if (schedule.frame(now))
            polls.push_back(now);
    }
    return polls;
}

TEST(PollSchedule, FramesCarryFortyPollsASecondWhateverTheirRate) {
    PollSchedule at100;
    const std::vector<uint32_t> polls = pollsAt(at100, 1000, 10.0);
    ASSERT_EQ(polls.size(), 400u);
    for (size_t i = 1; i < polls.size(); ++i)
        EXPECT_EQ(polls[i] - polls[i - 1], i % 2 == 1 ? 20u : 30u) << "poll " << i;

    PollSchedule at60;
    EXPECT_NEAR(double(pollsAt(at60, 1000, 1000.0 / 60.0).size()), 400.0, 1.0);
    PollSchedule at144;
    EXPECT_NEAR(double(pollsAt(at144, 1000, 1000.0 / 144.0).size()), 400.0, 1.0);
    PollSchedule across;
    EXPECT_EQ(pollsAt(across, 0xFFFFF000u, 10.0).size(), 400u) << "the counter wraps midway";
}

TEST(PollSchedule, TheTimerPollsUntilFramesComeAndAgainWhenTheyStop) {
    PollSchedule schedule;
    EXPECT_TRUE(schedule.framesStopped(5000)) << "no frame yet";
    EXPECT_TRUE(schedule.frame(5000)) << "the first frame polls at once";
    EXPECT_FALSE(schedule.framesStopped(5100));
    EXPECT_FALSE(schedule.frame(5010));
    EXPECT_TRUE(schedule.framesStopped(5111)) << "no frame for more than 100 ms";
    EXPECT_TRUE(schedule.frame(7000)) << "frames resume: a poll at once";
    EXPECT_FALSE(schedule.frame(7010)) << "and no burst for the polls missed meanwhile";
    EXPECT_TRUE(schedule.frame(7020));
}

}  // namespace
