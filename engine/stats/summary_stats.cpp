#include "engine/stats/summary_stats.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// Ascending order in which a NaN stays where it is and no value passes it: the order that
// moving each value left past every strictly greater one gives, without its quadratic cost.
void SortAscending(std::vector<double> &values) {
  auto segment = values.begin();
  while (segment != values.end()) {
    auto nan = std::find_if(segment, values.end(), [](double v) { return std::isnan(v); });
    std::stable_sort(segment, nan);
    segment = nan == values.end() ? nan : nan + 1;
  }
}

bool IsRowVector(const NumericArray &output, int rows) {
  return output.DimensionCount() == 1 && output.Count(0) == rows;
}

}  // namespace

bool SummaryStats::Compute(const NumericArray &data, NumericArray &minimum, NumericArray &maximum,
                           NumericArray &range, NumericArray &sum, NumericArray &mean,
                           NumericArray &variance, NumericArray &deviation, NumericArray &error,
                           NumericArray &median) {
  if (data.DimensionCount() != 2 || data.Count(0) < 1 || data.Count(1) < 1) return false;
  const int rows = data.Count(0);
  for (const NumericArray *output :
       {&minimum, &maximum, &range, &sum, &mean, &variance, &deviation, &error, &median}) {
    if (!IsRowVector(*output, rows)) return false;
  }

  const std::size_t m = static_cast<std::size_t>(data.Count(1));
  const double count = static_cast<double>(m);
  std::vector<double> sorted(m);
  for (int r = 0; r < rows; ++r) {
    const auto row = data.Values().subspan(static_cast<std::size_t>(r) * m, m);
    std::copy(row.begin(), row.end(), sorted.begin());
    SortAscending(sorted);

    median[r] = m % 2 == 1 ? sorted[m / 2] : 0.5 * (sorted[m / 2 - 1] + sorted[m / 2]);

    double low = sorted[0], high = sorted[0], total = 0.0, squares = 0.0;
    for (double v : sorted) {
      if (v < low) low = v;
      if (v > high) high = v;
      total += v;
      squares += v * v;
    }
    const double average = total / count;
    // The one-pass formula over the sorted values: one value per row gives 0 / 0.
    const double var = (squares - count * average * average) / static_cast<double>(m - 1);
    const double dev = std::sqrt(std::abs(var));

    minimum[r] = low;
    maximum[r] = high;
    range[r] = high - low;
    sum[r] = total;
    mean[r] = average;
    variance[r] = var;
    deviation[r] = dev;
    error[r] = dev / std::sqrt(count);
  }
  return true;
}
