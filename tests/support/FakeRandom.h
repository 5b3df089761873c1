// A clock and generator for jump tests: a fixed time and a scripted list of
// draws, with counts so that tests see what the jump asked for.
#pragma once

#include <ctime>
#include <vector>

#include "jump/JumpRandom.h"

struct FakeRandom {
  static inline std::time_t time = 1700000000;
  static inline std::vector<int> draws;
  static inline std::size_t drawn = 0;
  static inline int seeds = 0;
  static inline unsigned lastSeed = 0;

  static std::time_t Now() { return time; }
  static void Seed(unsigned seed) {
    ++seeds;
    lastSeed = seed;
  }
  static int Draw() { return drawn < draws.size() ? draws[drawn++] : (++drawn, 16383); }

  // Installs the fake with these draws (the first one is discarded by the
  // jump) until the returned guard goes.
  struct Installed {
    explicit Installed(JumpRandom previous) : saved(previous) {}
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
    ~Installed() { jumpRandom = saved; }
    JumpRandom saved;
  };
  [[nodiscard]] static Installed Install(std::vector<int> script) {
    draws = std::move(script);
    drawn = 0;
    seeds = 0;
    const JumpRandom previous = jumpRandom;
    jumpRandom = {Now, Seed, Draw};
    return Installed(previous);
  }
};
