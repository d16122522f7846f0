// Block sounds: the vask crunching a block, digging, and blocks being set down.
#include <cmath>

#include "Recipes.h"

namespace soundgen {

Sound makeBreak() {
    Sound s(1, 0.42f);
    Noise noise(51u);
    Osc thump;
    // Grains of rubble, bunched at the start of the crunch.
    struct Grain { float start, length, amp; Biquad filter; };
    Grain grains[28];
    for (Grain& g : grains) {
        float r = noise.uniform();
        g.start = 0.22f * r * r;
        g.length = 0.006f + 0.03f * noise.uniform();
        g.amp = 0.4f + 0.6f * noise.uniform();
        g.filter.bandpass(500.0f + 2600.0f * noise.uniform(), 2.0f);
    }
    OnePole dull;
    dull.lowpass(3500.0f);
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float v = 0.8f * thump.sine(glide(t, 110.0f, 48.0f, 18.0f)) * envAttackDecay(t, 0.002f, 16.0f);
        float n = noise.next();
        for (Grain& g : grains) {
            float u = t - g.start;
            if (u < 0.0f || u > g.length * 4.0f) continue;
            v += 2.2f * g.amp * g.filter.process(n) * envAttackDecay(u, 0.0008f, 1.0f / g.length);
        }
        s.at(i, 0) = dull.process(v);
    }
    finish(s, 0.002f, 0.04f, kPeak);
    return s;
}

Sound makeDig() {
    Sound s(1, 0.62f);
    Noise noise(61u), grit(62u);
    Biquad scrape, rumble;
    rumble.lowpass(280.0f, 0.7f);
    float gritLevel = 1.0f;
    const float stroke = 0.2f;
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        // Three strokes of the tool; each one drags upward in pitch.
        float phase = std::fmod(t, stroke) / stroke;
        float strokeEnv = std::pow(std::sin(kPi * phase), 2.0f);
        scrape.bandpass(700.0f + 900.0f * phase, 2.5f);
        if (i % 140 == 0) gritLevel = 0.45f + 0.55f * grit.uniform();
        float n = noise.next();
        float v = 1.6f * strokeEnv * gritLevel * scrape.process(n);
        v += 0.7f * strokeEnv * rumble.process(n);
        s.at(i, 0) = v;
    }
    finish(s, 0.004f, 0.04f, kPeak);
    return s;
}

namespace {
// A block set down: a short falling knock, a wooden resonance and a click on contact.
Sound thunk(float seconds, float startHz, float endHz, float decay, float resHz, float crack,
            uint32_t seed) {
    Sound s(1, seconds);
    Noise noise(seed);
    Osc knock;
    Biquad body, click;
    body.bandpass(resHz, 6.0f);
    click.bandpass(2200.0f, 1.2f);
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float n = noise.next();
        float hit = envAttackDecay(t, 0.0005f, 160.0f);
        float v = knock.sine(glide(t, startHz, endHz, 30.0f)) * envAttackDecay(t, 0.002f, decay);
        v += 2.5f * body.process(n * hit);
        v += crack * click.process(n) * envAttackDecay(t, 0.0005f, 70.0f);
        s.at(i, 0) = v;
    }
    finish(s, 0.001f, 0.03f, kPeak);
    return s;
}
} // namespace

Sound makePlaceCrack() { return thunk(0.26f, 240.0f, 95.0f, 22.0f, 420.0f, 1.4f, 71u); }

Sound makePlaceSolid() { return thunk(0.22f, 150.0f, 62.0f, 17.0f, 310.0f, 0.25f, 72u); }

} // namespace soundgen
