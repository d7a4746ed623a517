#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/bignum/unl_num.hpp"
#include "tests/engine/bignum/slow_num.hpp"

// The value of a number text the test knows to be valid.
inline UnlNum Num(std::string_view text) {
  UnlNum value;
  EXPECT_TRUE(UnlNum::FromText(text, value)) << text;
  return value;
}

// A value as its text and its fraction group count, "0.25 f2": both decide what later
// operations give, so both are checked.
inline std::string Shape(const UnlNum &v) {
  return v.ToText() + " f" + std::to_string(v.FractionGroupCount());
}
inline std::string Shape(const slow::Num &v) {
  return slow::Text(v) + " f" + std::to_string(v.fractionGroups.size());
}
