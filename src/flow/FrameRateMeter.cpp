#include "flow/FrameRateMeter.h"

#include <algorithm>
#include <cstdio>

void FrameRateMeter::picture(double batchStart, long long steps, double drawSeconds) {
    if (stretchPictures == 0) stretchStart = {batchStart, steps, drawSeconds};
    stretchPictures++;
    totalPictures++;
    window.push_back({batchStart, steps, drawSeconds});
    // Keep the newest picture at least a second old, so the window spans a
    // full second once the run is that long.
    while (window.size() > 2 && window[1].time <= batchStart - 1.0) window.pop_front();
    if (batchStart - window.front().time >= 1.0) busiest = std::max(busiest, stepsPerSecond());
}

void FrameRateMeter::interrupted() {
    if (stretchPictures > 0) {
        pastSeconds += window.back().time - stretchStart.time;
        pastSteps += window.back().steps - stretchStart.steps;
        pastIntervals += stretchPictures - 1;
    }
    stretchPictures = 0;
    window.clear();
}

double FrameRateMeter::span() const { return window.size() < 2 ? 0 : window.back().time - window.front().time; }

double FrameRateMeter::picturesPerSecond() const {
    double s = span();
    return s > 0 ? double(window.size() - 1) / s : 0;
}

double FrameRateMeter::stepsPerSecond() const {
    double s = span();
    return s > 0 ? double(window.back().steps - window.front().steps) / s : 0;
}

double FrameRateMeter::medianDrawMs() const {
    if (window.empty()) return 0;
    std::vector<double> draws;
    for (const Sample& s : window)
        if (s.time > window.back().time - 1.0) draws.push_back(s.draw);
    auto mid = draws.begin() + long(draws.size() / 2);
    std::nth_element(draws.begin(), mid, draws.end());
    return *mid * 1000.0;
}

std::string FrameRateMeter::overlayLine() const {
    char line[64];
    snprintf(line, sizeof line, "%.0f fps  %.0f steps/s  %.1f ms", picturesPerSecond(), stepsPerSecond(),
             medianDrawMs());
    return line;
}

std::string FrameRateMeter::summary() const {
    double seconds = pastSeconds;
    long long steps = pastSteps, intervals = pastIntervals;
    if (stretchPictures > 0) {
        seconds += window.back().time - stretchStart.time;
        steps += window.back().steps - stretchStart.steps;
        intervals += stretchPictures - 1;
    }
    char line[200];
    snprintf(line, sizeof line,
             "Pace: %lld steps and %lld pictures in %.1f s (%.1f steps/s, %.1f pictures/s), busiest second %.1f "
             "steps/s",
             steps, totalPictures, seconds, seconds > 0 ? double(steps) / seconds : 0,
             seconds > 0 ? double(intervals) / seconds : 0, busiest);
    return line;
}
