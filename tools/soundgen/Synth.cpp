#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

Sound::Sound(int ch, float seconds) : channels(ch) {
    data.assign(static_cast<size_t>(seconds * kRate) * static_cast<size_t>(ch), 0.0f);
}

float Noise::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
}

float Osc::advance(float freq) {
    float p = phase;
    phase += freq / kRate;
    phase -= std::floor(phase);
    return p;
}

float Osc::sine(float freq) { return std::sin(kTwoPi * advance(freq)); }

// Sum of harmonics 1, 1 + step, 1 + 2 step...; each one fades out as it nears
// Nyquist instead of switching off, so a sweep neither aliases nor clicks.
float Osc::harmonics(float freq, int maxHarmonics, int step) {
    float p = advance(freq);
    const float limit = 0.45f * kRate, band = 0.08f * kRate;
    float v = 0.0f;
    for (int k = 1; k <= maxHarmonics; k += step) {
        float w = (limit - k * freq) / band;
        if (w <= 0.0f) break;
        v += std::min(w, 1.0f) * std::sin(kTwoPi * p * k) / k;
    }
    return v;
}

float Osc::saw(float freq, int maxHarmonics) { return 0.55f * harmonics(freq, maxHarmonics, 1); }

float Osc::square(float freq, int maxHarmonics) { return 0.9f * harmonics(freq, maxHarmonics, 2); }

namespace {
struct Rbj {
    float cw, alpha;
    Rbj(float freq, float q) {
        float w = kTwoPi * std::clamp(freq, 10.0f, 0.45f * kRate) / kRate;
        cw = std::cos(w);
        alpha = std::sin(w) / (2.0f * q);
    }
};
} // namespace

void Biquad::lowpass(float freq, float q) {
    Rbj r(freq, q);
    float a0 = 1 + r.alpha;
    b0 = (1 - r.cw) / 2 / a0; b1 = (1 - r.cw) / a0; b2 = b0;
    a1 = -2 * r.cw / a0; a2 = (1 - r.alpha) / a0;
}

void Biquad::highpass(float freq, float q) {
    Rbj r(freq, q);
    float a0 = 1 + r.alpha;
    b0 = (1 + r.cw) / 2 / a0; b1 = -(1 + r.cw) / a0; b2 = b0;
    a1 = -2 * r.cw / a0; a2 = (1 - r.alpha) / a0;
}

void Biquad::bandpass(float freq, float q) {
    Rbj r(freq, q);
    float a0 = 1 + r.alpha;
    b0 = r.alpha / a0; b1 = 0; b2 = -r.alpha / a0;
    a1 = -2 * r.cw / a0; a2 = (1 - r.alpha) / a0;
}

float Biquad::process(float x) {
    float y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1; x1 = x; y2 = y1; y1 = y;
    return y;
}

void OnePole::lowpass(float freq) { a = 1.0f - std::exp(-kTwoPi * freq / kRate); }

float OnePole::process(float x) {
    z += a * (x - z);
    return z;
}

float envAttackDecay(float t, float attack, float rate) {
    if (t < 0.0f) return 0.0f;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) * rate);
}

float glide(float t, float f0, float f1, float rate) { return f1 + (f0 - f1) * std::exp(-t * rate); }

float smoothstep(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

void finish(Sound& s, float fadeIn, float fadeOut, float peak) {
    const int n = s.frames();
    for (int c = 0; c < s.channels; ++c) {
        // One-pole DC blocker: an offset would click when the mixer starts the sound.
        float prevIn = 0.0f, prevOut = 0.0f;
        for (int i = 0; i < n; ++i) {
            float x = s.at(i, c);
            prevOut = x - prevIn + 0.995f * prevOut;
            prevIn = x;
            s.at(i, c) = prevOut;
        }
    }
    const int in = std::max(1, static_cast<int>(fadeIn * kRate));
    const int out = std::max(1, static_cast<int>(fadeOut * kRate));
    for (int i = 0; i < n; ++i) {
        float g = 1.0f;
        if (i < in) g *= 0.5f - 0.5f * std::cos(kPi * i / in);
        int fromEnd = n - 1 - i;
        if (fromEnd < out) g *= 0.5f - 0.5f * std::cos(kPi * fromEnd / out);
        for (int c = 0; c < s.channels; ++c) s.at(i, c) *= g;
    }
    float maxAbs = 0.0f;
    for (float v : s.data) maxAbs = std::max(maxAbs, std::fabs(v));
    if (maxAbs > 0.0f)
        for (float& v : s.data) v *= peak / maxAbs;
}

} // namespace soundgen
