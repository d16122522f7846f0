// The step clock against a fake clock: steps keep to 60 a second whatever a
// picture costs, the loop sleeps only when it is ahead, catch-up is capped;
// the rates the meter reports from the same runs; and the vsync fallbacks.
#include "flow/FrameRateMeter.h"
#include "flow/StepPacer.h"
#include "shell/Vsync.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Fake time: a step costs `stepCost`, a picture `drawCost`, a sleep what it
// asks for plus `oversleep` (a real sleep wakes a little late).
struct FakeTime {
    double t = 100.0;
    double stepCost = 0, drawCost = 0, oversleep = 0;
    int sleeps = 0;
    double slept = 0;
    PaceClock clock() {
        return {[this] { return t; },
                [this](double s) {
                    EXPECT_GT(s, 0);
                    sleeps++;
                    slept += s;
                    t += s + oversleep;
                }};
    }
};

struct PacedRun {
    long long steps = 0, pictures = 0;
    int sleeps = 0;
    FrameRateMeter meter;
};

// Plays `seconds` of fake time.
PacedRun play(double drawMs, double seconds = 10, int maxFps = 0, double stepMs = 0.05, double oversleepMs = 0.1) {
    FakeTime time;
    time.drawCost = drawMs / 1000;
    time.stepCost = stepMs / 1000;
    time.oversleep = oversleepMs / 1000;
    PacedRun r;
    StepPacer pacer(time.clock(), maxFps, &r.meter);
    const double end = time.t + seconds;
    long long stepsSeen = 0, picturesSeen = 0;
    pacer.run(
        [&] {
            if (time.t >= end) return false;
            time.t += time.stepCost;
            stepsSeen++;
            return true;
        },
        [&] {
            picturesSeen++;
            time.t += time.drawCost;
        });
    r.steps = stepsSeen;
    r.pictures = picturesSeen;
    r.sleeps = time.sleeps;
    EXPECT_EQ(pacer.pictures, picturesSeen);
    EXPECT_EQ(pacer.steps, stepsSeen + 1);  // the step that ended the run counts too
    return r;
}

}  // namespace

TEST(StepPacer, SixtyStepsASecondWhateverAPictureCosts) {
    struct Case {
        double drawMs;
        long long pictures;  // expected, give or take one
        bool sleeps;
    };
    for (Case c : {Case{1, 600, true}, Case{16, 600, true}, Case{40, 250, false}}) {
        SCOPED_TRACE(c.drawMs);
        PacedRun r = play(c.drawMs);
        EXPECT_NEAR(double(r.steps), 600, 1);
        EXPECT_NEAR(double(r.pictures), double(c.pictures), 1);
        EXPECT_GE(r.steps, r.pictures);
        // Behind (a picture costs more than a step's share) the loop never sleeps.
        EXPECT_EQ(r.sleeps > 0, c.sleeps);
        EXPECT_NEAR(r.meter.stepsPerSecond(), 60, 0.5);
        EXPECT_NEAR(r.meter.picturesPerSecond(), double(c.pictures) / 10, 0.5);
        EXPECT_NEAR(r.meter.medianDrawMs(), c.drawMs, 0.01);
        EXPECT_LE(r.meter.busiestStepsPerSecond(), 61.0);
    }
}

TEST(StepPacer, ASlowMachineRunsAtMostFiveStepsPerPictureAndSlowsDown) {
    PacedRun r = play(500);
    // A picture every half second, five steps before each: 20 pictures, 100 steps.
    EXPECT_NEAR(double(r.pictures), 20, 1);
    EXPECT_NEAR(double(r.steps), 5.0 * double(r.pictures), 5);
    EXPECT_EQ(r.sleeps, 0);
    EXPECT_NEAR(r.meter.stepsPerSecond(), 10, 0.5);
    EXPECT_NEAR(r.meter.picturesPerSecond(), 2, 0.1);
}

TEST(StepPacer, AFrameRateCapDrawsLessButStepsKeepTheirPace) {
    // Steps wait for the next picture, so the run may end with a picture's
    // worth of steps still waiting.
    PacedRun thirty = play(1, 10, 30);
    EXPECT_NEAR(double(thirty.steps), 600, 2);
    EXPECT_NEAR(double(thirty.pictures), 300, 2);
    // A cap below what catching up allows is raised to 15 pictures a second.
    PacedRun five = play(1, 10, 5);
    EXPECT_NEAR(double(five.steps), 600, 4);
    EXPECT_NEAR(double(five.pictures), 150, 2);
    // Above the step rate the cap changes nothing: at most a picture per step.
    PacedRun many = play(1, 10, 144);
    EXPECT_NEAR(double(many.pictures), 600, 1);
}

TEST(StepPacer, AnInterruptionIsNotCaughtUpAfterwards) {
    FakeTime time;
    FrameRateMeter meter;
    StepPacer pacer(time.clock(), 0, &meter);
    const double start = time.t;
    long long n = 0;
    std::vector<long long> picturesAfter;
    pacer.run(
        [&] {
            n++;
            // Step 60 opens the pause menu for 30 s; step 100 is slow, not paused.
            if (n == 100) time.t += 0.2;
            if (n == 60) time.t += 30;
            return time.t < start + 33;
        },
        [&] { picturesAfter.push_back(n); });
    // A second before the pause, its step, then a picture at once, then two
    // seconds at the normal pace: no burst of steps to make up for the pause.
    ASSERT_GE(picturesAfter.size(), 60u);
    EXPECT_EQ(picturesAfter[59], 60);
    // One picture a step, but after the slow step the five that fell due
    // meanwhile (of twelve) run before one picture.
    std::vector<long long> bursts;
    for (size_t i = 1; i < picturesAfter.size(); i++)
        if (picturesAfter[i] - picturesAfter[i - 1] != 1) bursts.push_back(picturesAfter[i] - picturesAfter[i - 1]);
    EXPECT_EQ(bursts, std::vector<long long>{StepPacer::MAX_STEPS_PER_PICTURE});
    // Two seconds of play after the pause, less the seven steps let go.
    EXPECT_NEAR(double(n), 60 + 121 - 7, 2);
    // The rates leave the pause out.
    EXPECT_NEAR(meter.stepsPerSecond(), 60, 0.5);
    EXPECT_LE(meter.busiestStepsPerSecond(), 61.0);
    double rate = 0;
    std::string summary = meter.summary();
    ASSERT_EQ(sscanf(summary.substr(summary.find('(')).c_str(), "(%lf steps/s", &rate), 1) << summary;
    EXPECT_GT(rate, 55) << summary;  // with the pause counted it would be under 6
}

TEST(FrameRateMeter, RatesOverTheLastSecondAndTheWholeRun) {
    FrameRateMeter m;
    EXPECT_EQ(m.stepsPerSecond(), 0);
    EXPECT_EQ(m.medianDrawMs(), 0);
    // Ten seconds at 30 pictures and 60 steps a second, then two at 10 and 30,
    // with drawing costs of 5, 5, 90 ms in turn (median 5 in the fast part).
    double t = 0;
    long long steps = 0;
    for (int i = 0; i < 300; i++, t += 1.0 / 30, steps += 2) m.picture(t, steps, i % 3 == 2 ? 0.090 : 0.005);
    EXPECT_NEAR(m.picturesPerSecond(), 30, 0.5);
    EXPECT_NEAR(m.stepsPerSecond(), 60, 0.5);
    EXPECT_NEAR(m.medianDrawMs(), 5, 0.01);
    EXPECT_EQ(m.overlayLine(), "30 fps  60 steps/s  5.0 ms");
    for (int i = 0; i < 20; i++, t += 0.1, steps += 3) m.picture(t, steps, 0.1);
    EXPECT_NEAR(m.picturesPerSecond(), 10, 0.5);
    EXPECT_NEAR(m.stepsPerSecond(), 30, 1);
    EXPECT_NEAR(m.medianDrawMs(), 100, 0.01);
    EXPECT_NEAR(m.busiestStepsPerSecond(), 60, 0.5);
    EXPECT_EQ(m.pictures(), 320);
    // From the first picture (0 steps, at 0 s) to the last (657 steps, at 11.9 s).
    EXPECT_NE(m.summary().find("Pace: 657 steps and 320 pictures in 11.9 s"), std::string::npos) << m.summary();
}

TEST(Vsync, FallsBackFromPlainToAdaptiveToNone) {
    struct Case {
        bool wanted;
        std::vector<int> accepted;
        std::vector<int> asked;
        std::string line;
    };
    const std::vector<Case> cases = {
        {true, {1, -1, 0}, {1}, "Vsync: on"},
        {true, {-1, 0}, {1, -1}, "Vsync: adaptive (plain vsync was refused)"},
        {true, {0}, {1, -1, 0}, "Vsync: off (the driver refused it)"},
        {false, {0, 1}, {0}, "Vsync: off"},
    };
    for (const Case& c : cases) {
        std::vector<int> asked;
        std::string line = applyVsync(c.wanted, [&](int interval) {
            asked.push_back(interval);
            return std::find(c.accepted.begin(), c.accepted.end(), interval) != c.accepted.end() ? 0 : -1;
        });
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(asked, c.asked) << c.line;
    }
}
