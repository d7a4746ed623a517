// The keypad's long operations: radix conversion of tens of thousands of digits and a
// power key with a 30,000-digit result, display text included.
#include <benchmark/benchmark.h>

#include "calculator/convert_radix.hpp"
#include "calculator/keypad.hpp"

namespace {

// The digits of 2^100000: 30,103 in base 10, 25,001 in base 16.
const std::string &TwoToThe100000(int base) {
  static const std::string hex = "1" + std::string(25000, '0');
  static const std::string decimal = ConvertRadix(hex, 16, 10);
  return base == 16 ? hex : decimal;
}

void BM_ConvertRadix10to16_30k(benchmark::State &state) {
  const std::string &decimal = TwoToThe100000(10);
  for (auto _ : state) benchmark::DoNotOptimize(ConvertRadix(decimal, 10, 16));
}
BENCHMARK(BM_ConvertRadix10to16_30k)->Unit(benchmark::kMillisecond);

void BM_ConvertRadix16to10_25k(benchmark::State &state) {
  const std::string &hex = TwoToThe100000(16);
  for (auto _ : state) benchmark::DoNotOptimize(ConvertRadix(hex, 16, 10));
}
BENCHMARK(BM_ConvertRadix16to10_25k)->Unit(benchmark::kMillisecond);

// "2", x^y, "100000", "=" on the keypad model.
void BM_PowerKey2pow100000(benchmark::State &state) {
  for (auto _ : state) {
    CalculatorState calculator;
    calculator.currentBase = 10;
    calculator.decimalPlacesText = "5";
    Keypad keypad(calculator);
    keypad.SetDisplay("0");
    keypad.Digit('2');
    keypad.Operator(operation::kPower);
    for (char digit : std::string("100000")) keypad.Digit(digit);
    keypad.Equals();
    benchmark::DoNotOptimize(keypad.Display());
  }
}
BENCHMARK(BM_PowerKey2pow100000)->Unit(benchmark::kMillisecond);

}  // namespace
