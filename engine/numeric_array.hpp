#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The array value that crosses between the windows and the engine: a list of element
// counts, one per dimension, and the elements in row-major order (element [i][j] of an
// R x C array sits at i * C + j). A matrix or table has two dimensions, rows first.
// The empty array has one dimension of count 0.
//
// The element count always equals the product of the counts (a negative count counts as
// 0): the elements can be changed but never added or removed, so the engine can trust the
// shape it reads. To grow an array, build a new one.
class NumericArray {
 public:
  NumericArray() : counts_{0} {}

  // An array of the given shape; missing elements are 0, surplus ones are dropped.
  explicit NumericArray(std::vector<std::int32_t> counts, std::vector<double> values = {});

  static NumericArray Vector(std::vector<double> values);
  static NumericArray Matrix(std::int32_t rows, std::int32_t columns,
                             std::vector<double> values = {});

  std::int32_t DimensionCount() const { return static_cast<std::int32_t>(counts_.size()); }
  std::int32_t Count(std::int32_t dimension) const {
    return counts_[static_cast<std::size_t>(dimension)];
  }
  const std::vector<std::int32_t> &Counts() const { return counts_; }

  std::size_t Size() const { return values_.size(); }
  bool Empty() const { return values_.empty(); }

  double &operator[](std::size_t flat) { return values_[flat]; }
  double operator[](std::size_t flat) const { return values_[flat]; }
  std::span<double> Values() { return values_; }
  std::span<const double> Values() const { return values_; }

  // Two-dimensional access; the caller keeps row and column inside the shape.
  double &At(std::int32_t row, std::int32_t column) { return values_[Flat(row, column)]; }
  double At(std::int32_t row, std::int32_t column) const { return values_[Flat(row, column)]; }

  bool operator==(const NumericArray &) const = default;

 private:
  std::size_t Flat(std::int32_t row, std::int32_t column) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(counts_.at(1)) +
           static_cast<std::size_t>(column);
  }

  std::vector<std::int32_t> counts_;
  std::vector<double> values_;
};
