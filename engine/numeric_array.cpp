#include "engine/numeric_array.hpp"

#include <utility>

NumericArray::NumericArray(std::vector<std::int32_t> counts, std::vector<double> values)
    : counts_(std::move(counts)), values_(std::move(values)) {
  if (counts_.empty()) counts_.push_back(0);
  std::size_t total = 1;
  for (std::int32_t count : counts_) total *= count > 0 ? static_cast<std::size_t>(count) : 0;
  values_.resize(total, 0.0);
}

NumericArray NumericArray::Vector(std::vector<double> values) {
  const auto count = static_cast<std::int32_t>(values.size());
  return NumericArray({count}, std::move(values));
}

NumericArray NumericArray::Matrix(std::int32_t rows, std::int32_t columns,
                                  std::vector<double> values) {
  return NumericArray({rows, columns}, std::move(values));
}
