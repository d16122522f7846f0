// A mind dying: a wet, gurgling alien cry through moving vowel formants.
#include <cmath>

#include "Recipes.h"

namespace soundgen {

Sound makeDeathCry() {
    Sound s(1, 1.15f);
    Noise noise(81u);
    Osc voice;
    Biquad f1, f2, f3;
    OnePole wobble;
    wobble.lowpass(18.0f);
    // Bubble pops in the second half: quick rising blips.
    float popStart[10];
    for (float& p : popStart) p = 0.45f + 0.6f * noise.uniform();
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float k = t / s.seconds();
        // Pitch: a shriek that sags into a groan, with a widening, irregular vibrato.
        float pitch = 420.0f * std::exp(-1.4f * k) + 40.0f * (t < 0.1f ? t / 0.1f : 1.0f);
        float gurgle = wobble.process(noise.next()) * 6.0f;
        pitch *= 1.0f + (0.02f + 0.1f * k) * std::sin(kTwoPi * 7.0f * t) + 0.15f * k * gurgle;
        float src = voice.saw(pitch, 30) + 0.15f * noise.next();
        // Vowel morph "ee" -> "aa" -> "oo".
        float a = smoothstep(0.0f, 0.45f, k), b = smoothstep(0.45f, 1.0f, k);
        f1.bandpass(300.0f + 450.0f * a - 400.0f * b, 5.0f);
        f2.bandpass(2300.0f - 1100.0f * a - 400.0f * b, 7.0f);
        f3.bandpass(3000.0f - 500.0f * a - 100.0f * b, 9.0f);
        float v = 1.6f * f1.process(src) + 1.1f * f2.process(src) + 0.6f * f3.process(src);
        // Wetness: the throat chokes in irregular bursts.
        v *= 0.55f + 0.45f * std::tanh(3.0f * gurgle + 0.5f);
        v *= smoothstep(0.0f, 0.04f, t) * (1.0f - smoothstep(0.7f, 1.0f, k));
        for (float p : popStart) {
            float u = t - p;
            if (u > 0.0f && u < 0.03f)
                v += 0.3f * std::sin(kTwoPi * (180.0f + 9000.0f * u) * u) * std::sin(kPi * u / 0.03f);
        }
        s.at(i, 0) = v;
    }
    finish(s, 0.01f, 0.06f, kPeak);
    return s;
}

} // namespace soundgen
