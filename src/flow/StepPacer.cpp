#include "flow/StepPacer.h"

#include "flow/FrameRateMeter.h"

#include <algorithm>
#include <chrono>
#include <thread>

PaceClock steadyPaceClock() {
    return {[] { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); },
            [](double s) { std::this_thread::sleep_for(std::chrono::duration<double>(s)); }};
}

StepPacer::StepPacer(PaceClock c, int maxFps, FrameRateMeter* m) : clock(std::move(c)), minPictureSeconds(0), meter(m) {
    if (maxFps > 0 && maxFps < STEPS_PER_SECOND)
        // A step short of the catch-up limit, so a late wake-up loses no step.
        minPictureSeconds = std::min(1.0 / maxFps, (MAX_STEPS_PER_PICTURE - 1) * STEP_SECONDS);
}

void StepPacer::run(const std::function<bool()>& step, const std::function<void()>& draw) {
    double nextStep = clock.now();
    double nextPicture = nextStep;
    for (;;) {
        double now = clock.now();
        double wake = std::max(nextStep, nextPicture);
        if (now < wake) {
            clock.sleep(wake - now);
            continue;
        }
        long long due = (long long)((now - nextStep) / STEP_SECONDS) + 1;
        if (due > MAX_STEPS_PER_PICTURE) {
            // Too far behind: run what one picture allows and let the rest go.
            due = MAX_STEPS_PER_PICTURE;
            nextStep = now - (due - 1) * STEP_SECONDS;
        }
        bool interrupted = false;
        double stepStart = now, stepEnd = now;
        for (long long i = 0; i < due && !interrupted; i++) {
            bool goOn = step();
            steps++;
            if (!goOn) return;
            nextStep += STEP_SECONDS;
            stepEnd = clock.now();
            interrupted = stepEnd - stepStart > INTERRUPTION_SECONDS;
            stepStart = stepEnd;
        }
        // After an interruption the picture and the clock start from its end.
        double batchStart = now;
        if (interrupted) {
            batchStart = stepEnd;
            nextStep = stepEnd + STEP_SECONDS;
            if (meter) meter->interrupted();
        }
        draw();
        pictures++;
        double drawn = clock.now();
        if (meter) meter->picture(batchStart, steps, drawn - stepEnd);
        nextPicture = batchStart + minPictureSeconds;
    }
}
