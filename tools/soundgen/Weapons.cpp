// Weapon and shield sounds: laser shots, the mortar's charge, the singularity's
// implosion and the shield's crackle.
#include <cmath>

#include "Recipes.h"

namespace soundgen {

namespace {
struct LaserVoice {
    float startHz, endHz, sweepRate, seconds, decay;
    bool squareWave;     // hollow (odd harmonics) instead of buzzy
    float wobbleHz;      // fast vibrato for the "pew" warble, 0 for none
    float detune;        // second oscillator ratio for a thicker shot, 0 for none
    uint32_t seed;
};

const LaserVoice kLasers[4] = {
    {2600.0f, 280.0f, 16.0f, 0.24f, 11.0f, false, 0.0f, 0.0f, 11u},
    {1900.0f, 160.0f, 10.0f, 0.32f, 8.0f, true, 0.0f, 0.0f, 12u},
    {3400.0f, 520.0f, 24.0f, 0.18f, 16.0f, false, 55.0f, 0.0f, 13u},
    {1500.0f, 120.0f, 8.0f, 0.36f, 7.0f, true, 0.0f, 1.012f, 14u},
};
} // namespace

Sound makeLaser(int variant) {
    const LaserVoice& p = kLasers[(variant - 1) & 3];
    Sound s(1, p.seconds);
    Osc a, b;
    Noise noise(p.seed);
    Biquad hiss;
    hiss.highpass(3000.0f, 0.7f);
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float f = glide(t, p.startHz, p.endHz, p.sweepRate);
        if (p.wobbleHz > 0.0f) f *= 1.0f + 0.12f * std::sin(kTwoPi * p.wobbleHz * t);
        float v = p.squareWave ? a.square(f, 15) : a.saw(f, 15);
        if (p.detune > 0.0f) v = 0.6f * v + 0.6f * b.square(f * p.detune, 15);
        v *= envAttackDecay(t, 0.002f, p.decay);
        // A short burst of hiss at the muzzle.
        v += 0.6f * hiss.process(noise.next()) * envAttackDecay(t, 0.001f, 120.0f);
        s.at(i, 0) = v;
    }
    finish(s, 0.002f, 0.03f, kPeak);
    return s;
}

Sound makeCharge() {
    Sound s(2, 1.1f);
    Osc low, whine;
    Noise nl(21u), nr(22u);
    Biquad fl, fr;
    const float release = 0.92f;
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float charge = std::pow(std::min(t / release, 1.0f), 1.6f);
        float after = t > release ? std::exp(-(t - release) * 18.0f) : 1.0f;
        // The deep body rises in pitch as it charges; a thin whine rides on top.
        float f = 34.0f + 60.0f * charge;
        float body = low.sine(f) + 0.3f * std::sin(2.0f * kTwoPi * f * t);
        float w = 0.08f * whine.sine(220.0f + 900.0f * charge) * charge;
        // The air rushes in: noise whose brightness follows the charge.
        float cutoff = 180.0f + 2200.0f * charge;
        fl.lowpass(cutoff, 0.9f);
        fr.lowpass(cutoff * 1.07f, 0.9f);
        float amp = (0.15f + 0.85f * charge) * after;
        s.at(i, 0) = amp * (0.8f * body + w + 0.55f * fl.process(nl.next()));
        s.at(i, 1) = amp * (0.8f * body + w + 0.55f * fr.process(nr.next()));
    }
    finish(s, 0.01f, 0.04f, kPeak);
    return s;
}

Sound makeImplosion() {
    Sound s(2, 0.95f);
    const float collapse = 0.58f;
    Noise nl(31u), nr(32u), nm(33u);
    Biquad bl, br, thudNoise;
    Osc tone, thud;
    thudNoise.lowpass(400.0f, 0.7f);
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float l = 0.0f, r = 0.0f;
        if (t < collapse) {
            // Everything is sucked inwards: sound grows, falls in pitch and narrows to the centre.
            float k = t / collapse;
            float grow = std::pow(k, 2.5f);
            float centre = 3500.0f * std::pow(0.06f, k) + 120.0f;
            bl.bandpass(centre, 1.4f);
            br.bandpass(centre * 1.1f, 1.4f);
            float m = nm.next();
            float width = 1.0f - k;
            float nL = bl.process(width * nl.next() + (1.0f - width) * m);
            float nR = br.process(width * nr.next() + (1.0f - width) * m);
            float tn = 0.5f * tone.sine(900.0f * std::pow(0.07f, k));
            l = grow * (4.0f * nL + tn);
            r = grow * (4.0f * nR + tn);
        } else {
            // The collapse: a low thud and a dull puff.
            float u = t - collapse;
            float v = thud.sine(glide(u, 75.0f, 32.0f, 9.0f)) * envAttackDecay(u, 0.003f, 7.0f);
            v += 0.5f * thudNoise.process(nm.next()) * envAttackDecay(u, 0.001f, 30.0f);
            l = r = 0.9f * v;
        }
        s.at(i, 0) = l;
        s.at(i, 1) = r;
    }
    finish(s, 0.01f, 0.05f, kPeak);
    return s;
}

Sound makeShieldHit() {
    Sound s(1, 0.45f);
    Noise noise(41u);
    Biquad spark;
    spark.highpass(2500.0f, 0.8f);
    Osc buzz, ring;
    float sparkEnv = 0.0f;
    for (int i = 0; i < s.frames(); ++i) {
        float t = static_cast<float>(i) / kRate;
        float body = envAttackDecay(t, 0.004f, 7.0f);
        // Discharge sparks arrive at random, thick at first and then sparse.
        if (noise.uniform() < 0.003f * body + 0.0006f)
            sparkEnv = (0.25f + 0.75f * body) * (0.4f + 0.6f * noise.uniform());
        sparkEnv *= 0.96f;
        float v = 0.9f * sparkEnv * spark.process(noise.next());
        float flutter = 0.6f + 0.4f * std::sin(kTwoPi * 23.0f * t);
        v += 0.35f * body * flutter * buzz.square(110.0f, 9);
        v += 0.2f * body * ring.sine(2800.0f + 300.0f * std::sin(kTwoPi * 13.0f * t));
        s.at(i, 0) = v;
    }
    finish(s, 0.002f, 0.04f, kPeak);
    return s;
}

} // namespace soundgen
