// base/: what every program reaches and no chemistry lives in: chance,
// ASCII text, the menu's draws and checks of the code's own promises. It
// includes nothing of the project's.
//
// The one source of chance of every program: PCG32 (64-bit state, XSH RR
// output), written out here so that a seed gives the same numbers with
// every C library, compiler and build, the browser's included. Only
// fixed-width integers, since long and size_t differ between platforms.
#ifndef REACTION_DRILL_BASE_CHANCE_H_
#define REACTION_DRILL_BASE_CHANCE_H_

#include <chrono>
#include <cstdint>
#include <random>
#include <utility>

#include "require.h"

// A PCG32 generator. Pcg32(42, 54) gives 0xa15c02b7, 0x7b47f409, ... as the
// algorithm's reference does.
class Pcg32 {
 public:
  Pcg32(std::uint64_t state, std::uint64_t stream) : inc_(stream << 1U | 1U) {
    next();
    state_ += state;
    next();
  }

  // The next 32 random bits.
  std::uint32_t next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + inc_;
    const auto xorshifted =
        static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
  }

  // A number from 0 to bound - 1, each equally likely: outputs below
  // 2^32 mod bound would favour the small numbers and are drawn again.
  // REQUIRES: bound > 0.
  std::uint32_t below(std::uint32_t bound) {
    const std::uint32_t threshold = (0U - bound) % bound;
    for (;;) {
      const std::uint32_t r = next();
      if (r >= threshold) return r % bound;
    }
  }

 private:
  std::uint64_t state_ = 0;
  std::uint64_t inc_;
};

namespace chance_detail {

// Every seed shares one stream; the seed is the generator's state.
inline constexpr std::uint64_t stream = 54;

// Where draws come from: the generator of the session that is drawing, or
// else the process-wide one once seedChance has started it.
struct Drawing {
  Pcg32* session = nullptr;
  Pcg32 processWide{0, stream};
  bool seeded = false;
};

inline Drawing& drawing() {
  static Drawing now;
  return now;
}

// The generator that draws now. REQUIRES: a session is drawing, or
// seedChance has run.
inline Pcg32& generator() {
  Drawing& d = drawing();
  if (d.session != nullptr) return *d.session;
  require(d.seeded, "a draw before any session or seed chose its chance");
  return d.processWide;
}

}  // namespace chance_detail

// A generator that starts from `seed`: the same seed, the same questions.
inline Pcg32 seededChance(std::uint64_t seed) {
  return {seed, chance_detail::stream};
}

// Starts the process-wide generator from `seed`, for draws made outside any
// session: the tests' and the benchmark's.
inline void seedChance(std::uint64_t seed) {
  chance_detail::Drawing& d = chance_detail::drawing();
  d.processWide = seededChance(seed);
  d.seeded = true;
}

// Makes `own` the generator of every draw for as long as it lives, then
// puts the one before back: a session's draws go on from where its last
// draw left them, whatever was drawn in between.
class DrawingFrom {
 public:
  explicit DrawingFrom(Pcg32& own)
      : before_(std::exchange(chance_detail::drawing().session, &own)) {}
  ~DrawingFrom() { chance_detail::drawing().session = before_; }
  DrawingFrom(const DrawingFrom&) = delete;
  DrawingFrom& operator=(const DrawingFrom&) = delete;

 private:
  Pcg32* before_;
};

// A seed that differs from run to run, even for runs in the same second.
inline std::uint64_t freshSeed() {
  std::random_device device;
  const auto clock = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  return (static_cast<std::uint64_t>(device()) << 32U ^ device()) ^ clock;
}

// A number from 0 to bound - 1 from the generator that draws now, each
// equally likely. REQUIRES: bound > 0; a session is drawing or seedChance
// has run.
inline std::uint32_t randomBelow(std::uint32_t bound) {
  return chance_detail::generator().below(bound);
}

#endif  // REACTION_DRILL_BASE_CHANCE_H_
