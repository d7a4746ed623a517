#pragma once

#include <cstdint>
#include <optional>

// The program's pseudo-random generator of whole numbers from 0 to 32767: the linear
// congruential generator of the classic C runtimes, one for the whole program.

constexpr int kLargestRandom = 32767;

// Starts a new sequence from the system clock. Windows that draw numbers call it at each
// click, so every click gives new numbers.
void SeedRandomFromClock();

// Starts a new sequence from the seed.
void SeedRandom(std::uint32_t seed);

// The next number of the sequence, 0 to kLargestRandom.
int NextRandom();

// Tests make the clock give a fixed seed through this (nullopt: the real clock again), so
// that a window's draw can be repeated. Returns the seed it replaces.
std::optional<std::uint32_t> FixClockSeed(std::optional<std::uint32_t> seed);
