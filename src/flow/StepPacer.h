#pragma once
// The game's clock: 60 simulation steps to a second of real time, whatever the
// machine draws. The steps that are due run back to back, then one picture is
// drawn; ahead of time the loop sleeps. A machine that cannot keep up runs at
// most a few steps per picture and so slows the game down smoothly instead of
// spending ever longer catching up.
#include <functional>

class FrameRateMeter;

// Where the pacer reads the time (seconds on a monotonic clock) and how it
// waits. Tests hand it a fake one.
struct PaceClock {
    std::function<double()> now;
    std::function<void(double seconds)> sleep;
};
// std::chrono::steady_clock, and a sleep of the calling thread.
PaceClock steadyPaceClock();

class StepPacer {
public:
    static constexpr int STEPS_PER_SECOND = 60;
    static constexpr double STEP_SECONDS = 1.0 / STEPS_PER_SECOND;
    static constexpr int MAX_STEPS_PER_PICTURE = 5;
    // No step of play takes this long: a step that does stood still for the
    // pause menu or a conversation.
    static constexpr double INTERRUPTION_SECONDS = 0.25;

    // `maxFps` below 60 draws at most that many pictures a second (never
    // fewer than 15, so catching up stays within its limit); 0 or 60 and
    // above draw at most one picture per step.
    StepPacer(PaceClock clock, int maxFps = 0, FrameRateMeter* meter = nullptr);

    // Runs `step` 60 times a second and `draw` after each run of due steps,
    // until a step returns false (no picture follows that step). A step that
    // takes longer than INTERRUPTION_SECONDS is an interruption: a picture
    // follows at once and the clock starts afresh from there.
    void run(const std::function<bool()>& step, const std::function<void()>& draw);

    long long steps = 0, pictures = 0;

private:
    PaceClock clock;
    double minPictureSeconds;
    FrameRateMeter* meter;
};
