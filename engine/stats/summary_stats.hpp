#pragma once

#include "engine/numeric_array.hpp"

// Nine descriptive statistics for every row of a table. The class keeps no state.
class SummaryStats {
 public:
  // data is an R x M table (R >= 1, M >= 1), each row one data set of M values; each
  // output is a one-dimensional array of exactly R elements and receives, at position r,
  // the statistic of row r: minimum, maximum, range, sum, mean, sample variance (divisor
  // M - 1, so NaN for one value per row), standard deviation, standard error and median.
  // Any other shape: false, nothing written.
  static bool Compute(const NumericArray &data, NumericArray &minimum, NumericArray &maximum,
                      NumericArray &range, NumericArray &sum, NumericArray &mean,
                      NumericArray &variance, NumericArray &deviation, NumericArray &error,
                      NumericArray &median);
};
