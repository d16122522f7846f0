#pragma once
// Small deterministic generator: every texture seeds its own from its name,
// so the output never depends on the order painters run in or on the clock.
#include <cstdint>
#include <string>

class Rng {
 public:
  explicit Rng(uint64_t seed) : state(seed) {}
  explicit Rng(const std::string& name) : state(hashName(name)) {}

  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  float unit() { return (float)(next() >> 40) / (float)(1ull << 24); }
  // Uniform integer in [lo, hi].
  int range(int lo, int hi) { return lo + (int)(next() % (uint64_t)(hi - lo + 1)); }
  bool chance(float p) { return unit() < p; }

  static uint64_t hashName(const std::string& s) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
  }

 private:
  uint64_t state;
};
