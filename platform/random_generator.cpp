#include "platform/random_generator.hpp"

#include <chrono>
#include <utility>

namespace {

std::uint32_t state = 1;
std::optional<std::uint32_t> fixedClockSeed;

}  // namespace

void SeedRandomFromClock() {
  if (fixedClockSeed) return SeedRandom(*fixedClockSeed);
  // Nanoseconds rather than seconds: two clicks within one second still draw different
  // numbers. Both halves of the count feed the seed.
  const auto ticks = static_cast<std::uint64_t>(
      std::chrono::system_clock::now().time_since_epoch() / std::chrono::nanoseconds(1));
  SeedRandom(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

void SeedRandom(std::uint32_t seed) { state = seed; }

int NextRandom() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFFu);
}

std::optional<std::uint32_t> FixClockSeed(std::optional<std::uint32_t> seed) {
  return std::exchange(fixedClockSeed, seed);
}
