#pragma once
// Small, deterministic building blocks for the sound effects: a seeded noise
// source, oscillators, envelopes, filters and the final clean-up that keeps
// every effect click-free and below full scale.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kRate = 22050;
constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;

// An effect: interleaved float samples in -1..1.
struct Sound {
    int channels = 1;
    int rate = kRate;
    std::vector<float> data;

    Sound(int ch, float seconds);
    int frames() const { return static_cast<int>(data.size()) / channels; }
    float& at(int frame, int ch) { return data[static_cast<std::size_t>(frame) * channels + ch]; }
    float seconds() const { return static_cast<float>(frames()) / rate; }
};

// xorshift32: the same seed gives the same effect on every machine, which
// rand() from the C library does not promise.
class Noise {
public:
    explicit Noise(uint32_t seed) : state(seed ? seed : 0x9e3779b9u) {}
    float next();                       // uniform in -1..1
    float uniform() { return 0.5f * (next() + 1.0f); }  // 0..1
private:
    uint32_t state;
};

// Phase-accumulating oscillator, so frequency sweeps stay continuous.
class Osc {
public:
    float sine(float freq);
    // Band-limited sawtooth / square: harmonics stop below Nyquist, so sweeps do not alias.
    float saw(float freq, int maxHarmonics = 40);
    float square(float freq, int maxHarmonics = 40);
private:
    float advance(float freq);
    float harmonics(float freq, int maxHarmonics, int step);
    float phase = 0.0f;
};

// RBJ biquad; coefficients can be changed per sample for sweeps.
class Biquad {
public:
    void lowpass(float freq, float q);
    void highpass(float freq, float q);
    void bandpass(float freq, float q);  // 0 dB peak gain
    float process(float x);
private:
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

class OnePole {
public:
    void lowpass(float freq);
    float process(float x);
private:
    float a = 1.0f, z = 0.0f;
};

// Attack (linear) then exponential decay at `rate` per second.
float envAttackDecay(float t, float attack, float rate);
// Exponential glide from f0 toward f1 at `rate` per second.
float glide(float t, float f0, float f1, float rate);
float smoothstep(float e0, float e1, float x);

// Final treatment shared by every effect: DC removal, raised-cosine fades at
// both ends (the first and last samples are exactly zero) and scaling to `peak`.
void finish(Sound& s, float fadeIn, float fadeOut, float peak);

} // namespace soundgen
