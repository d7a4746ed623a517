#include "platform/random_generator.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Draw(int count) {
  std::vector<int> numbers;
  for (int i = 0; i < count; ++i) numbers.push_back(NextRandom());
  return numbers;
}

TEST(RandomGeneratorTest, IsTheClassicRuntimeSequence) {
  SeedRandom(1);
  EXPECT_EQ(Draw(5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST(RandomGeneratorTest, StaysWithinItsRange) {
  SeedRandomFromClock();
  for (int number : Draw(100000)) {
    ASSERT_GE(number, 0);
    ASSERT_LE(number, kLargestRandom);
  }
}

TEST(RandomGeneratorTest, AFixedClockSeedRepeatsTheDraw) {
  const auto previous = FixClockSeed(77);
  SeedRandomFromClock();
  const std::vector<int> first = Draw(10);
  SeedRandomFromClock();
  EXPECT_EQ(Draw(10), first);
  FixClockSeed(previous);
}

}  // namespace
