// Speed of UnlNum on the sizes a user reaches with x^y, base conversion and a high
// calculation precision. Run in Release:
//   build/bench/bench/unl_num_bench --benchmark_repetitions=9
//   --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "engine/bignum/unl_num.hpp"

namespace {

UnlNum Value(const std::string &text) {
  UnlNum value;
  UnlNum::FromText(text, value);
  return value;
}

std::string RandomDigits(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::string digits(1, static_cast<char>('1' + rng() % 9));
  while (digits.size() < count) digits += static_cast<char>('0' + rng() % 10);
  return digits;
}

UnlNum Power(int base, int exponent) {
  UnlNum result = Value("1");
  UnlNum square = Value(std::to_string(base));
  for (; exponent > 0; exponent /= 2) {
    if (exponent % 2 == 1) result = UnlNum::Multiply(result, square);
    square = UnlNum::Multiply(square, square);
  }
  return result;
}

void BM_Multiply30k(benchmark::State &state) {
  const UnlNum a = Value(RandomDigits(30000, 1));
  const UnlNum b = Value(RandomDigits(30000, 2));
  for (auto _ : state) benchmark::DoNotOptimize(UnlNum::Multiply(a, b));
}
BENCHMARK(BM_Multiply30k)->Unit(benchmark::kMillisecond);

void BM_Divide30kBy24k(benchmark::State &state) {
  const UnlNum a = Power(2, 100000);
  const UnlNum b = Power(3, 50000);
  for (auto _ : state) benchmark::DoNotOptimize(UnlNum::Divide(a, b, 50));
}
BENCHMARK(BM_Divide30kBy24k)->Unit(benchmark::kMillisecond);

void BM_Sin50(benchmark::State &state) {
  const UnlNum angle = Value("30");
  for (auto _ : state) benchmark::DoNotOptimize(UnlNum::Sin(angle, 50));
}
BENCHMARK(BM_Sin50)->Unit(benchmark::kMillisecond);

void BM_Tan50(benchmark::State &state) {
  const UnlNum a = Value("45");
  const UnlNum b = Value("46");
  for (auto _ : state) {
    benchmark::DoNotOptimize(UnlNum::Tan(a, 50));
    benchmark::DoNotOptimize(UnlNum::Tan(b, 50));
  }
}
BENCHMARK(BM_Tan50)->Unit(benchmark::kMillisecond);

const std::string &MillionDigitText() {
  static const std::string text = RandomDigits(500000, 3) + "." + RandomDigits(500000, 4);
  return text;
}

void BM_ToText1M(benchmark::State &state) {
  const UnlNum value = Value(MillionDigitText());
  for (auto _ : state) benchmark::DoNotOptimize(value.ToText());
}
BENCHMARK(BM_ToText1M)->Unit(benchmark::kMillisecond);

void BM_FromText1M(benchmark::State &state) {
  for (auto _ : state) benchmark::DoNotOptimize(Value(MillionDigitText()));
}
BENCHMARK(BM_FromText1M)->Unit(benchmark::kMillisecond);

// Products of two n-group integers around the schoolbook/Karatsuba threshold, for tuning.
void BM_MultiplyGroups(benchmark::State &state) {
  const auto digits = static_cast<std::size_t>(9 * state.range(0));
  const UnlNum a = Value(RandomDigits(digits, 5));
  const UnlNum b = Value(RandomDigits(digits, 6));
  for (auto _ : state) benchmark::DoNotOptimize(UnlNum::Multiply(a, b));
}
BENCHMARK(BM_MultiplyGroups)
    ->Arg(24)
    ->Arg(32)
    ->Arg(40)
    ->Arg(48)
    ->Arg(64)
    ->Arg(96)
    ->Arg(128)
    ->Arg(256)
    ->Unit(benchmark::kMicrosecond);

// Division of a 2n-group integer by an n-group one: long division's worst shape.
void BM_DivideGroups(benchmark::State &state) {
  const auto digits = static_cast<std::size_t>(9 * state.range(0));
  const UnlNum a = Value(RandomDigits(2 * digits, 7));
  const UnlNum b = Value(RandomDigits(digits, 8));
  for (auto _ : state) benchmark::DoNotOptimize(UnlNum::Divide(a, b, 0));
}
BENCHMARK(BM_DivideGroups)->Arg(100)->Arg(1000)->Arg(3500)->Unit(benchmark::kMicrosecond);

}  // namespace
