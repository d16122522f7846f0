#pragma once
// Counts what the run loop does against real time: pictures per second, steps
// per second and what a picture costs to draw, over the last second (for the
// on-screen line) and over the whole game (for the line printed at its end).
// Pure arithmetic on the times it is given, so it runs without a window.
#include <deque>
#include <string>
#include <vector>

class FrameRateMeter {
public:
    // A picture was drawn. `batchStart` is when its steps became due (seconds
    // on a monotonic clock), `steps` the steps run in total by then, and
    // `drawSeconds` what drawing the picture took.
    void picture(double batchStart, long long steps, double drawSeconds);
    // The loop stood still (the pause menu, a conversation): the time until
    // the next picture is neither play nor a slow picture, so it is left out
    // of every rate.
    void interrupted();

    // Over the last second (or the whole run while it is shorter): the rates
    // between the oldest and the newest picture of the window.
    double picturesPerSecond() const;
    double stepsPerSecond() const;
    // The median drawing time of the pictures of the last second.
    double medianDrawMs() const;
    // "60 fps  60 steps/s  12.3 ms"
    std::string overlayLine() const;

    // Over the whole run; the busiest second is the highest step rate of any
    // full one-second window, 0 until a second has passed.
    long long pictures() const { return totalPictures; }
    double busiestStepsPerSecond() const { return busiest; }
    std::string summary() const;

private:
    struct Sample {
        double time;
        long long steps;
        double draw;
    };
    std::deque<Sample> window;
    long long totalPictures = 0;
    // Whole-run totals of the stretches before the last interruption, and
    // where the current stretch began.
    double pastSeconds = 0;
    long long pastSteps = 0, pastIntervals = 0;
    Sample stretchStart{0, 0, 0};
    long long stretchPictures = 0;
    double busiest = 0;
    double span() const;
};
