// Machine power-up and power-down: bell arpeggios over a pitch sweep, rising for ON, falling for OFF.
#include <cmath>

#include "Recipes.h"

namespace soundgen {

namespace {
// A struck bell: a few partials, the upper ones slightly inharmonic and shorter.
float bell(float t, float f) {
    if (t < 0.0f) return 0.0f;
    float a = envAttackDecay(t, 0.004f, 5.5f);
    float hi = envAttackDecay(t, 0.002f, 14.0f);
    return a * (std::sin(kTwoPi * f * t) + 0.35f * std::sin(kTwoPi * 2.0f * f * t)) +
           hi * (0.22f * std::sin(kTwoPi * 3.01f * f * t) + 0.12f * std::sin(kTwoPi * 4.23f * f * t));
}
} // namespace

Sound makeOn() {
    Sound s(1, 0.85f);
    const float notes[] = {523.25f, 659.25f, 783.99f, 1046.5f};
    Osc sweep;
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float v = 0.0f;
        for (int k = 0; k < 4; ++k) v += bell(t - 0.085f * k, notes[k]) * (0.8f + 0.1f * k);
        // Rising hum under the chime: the machine spinning up.
        float f = 180.0f + 700.0f * smoothstep(0.0f, 0.45f, t);
        float swell = smoothstep(0.0f, 0.3f, t) * (1.0f - smoothstep(0.35f, 0.8f, t));
        v += 0.35f * swell * sweep.sine(f) * (0.8f + 0.2f * std::sin(kTwoPi * 9.0f * t));
        s.at(i, 0) = v;
    }
    finish(s, 0.003f, 0.05f, kPeak);
    return s;
}

Sound makeOff() {
    Sound s(1, 0.8f);
    const float notes[] = {987.77f, 739.99f, 587.33f, 392.0f};
    Osc whine;
    OnePole dull;
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float v = 0.0f;
        for (int k = 0; k < 4; ++k) v += bell(t - 0.09f * k, notes[k]) * (1.0f - 0.1f * k);
        // Falling, darkening whine: the machine winding down.
        float f = glide(t, 620.0f, 55.0f, 4.5f);
        dull.lowpass(glide(t, 2500.0f, 150.0f, 5.0f));
        float fade = 1.0f - smoothstep(0.1f, 0.75f, t);
        v += 0.45f * fade * dull.process(whine.saw(f, 12));
        s.at(i, 0) = v;
    }
    finish(s, 0.003f, 0.06f, kPeak);
    return s;
}

} // namespace soundgen
