#include "windows/curve_fit_texts.hpp"

#include <optional>
#include <span>
#include <vector>

#include "app/number_text.hpp"
#include "engine/fit/curve_fit.hpp"

namespace {

void AppendValues(std::string &text, std::span<const double> values) {
  for (double value : values) text += NumberToText(value) + "\r\n";
}

NumericArray Zeros(std::size_t count) { return NumericArray::Vector(std::vector<double>(count)); }

// y brought to the count of x: its first values, then zeros.
NumericArray YForEachX(const NumericArray &x, const NumericArray &y) {
  std::vector<double> values(x.Size());
  for (std::size_t i = 0; i < values.size() && i < y.Size(); ++i) values[i] = y[i];
  return NumericArray::Vector(std::move(values));
}

std::optional<NumericArray> SplineTable(const NumericArray &x, const NumericArray &y) {
  if (x.Empty()) return std::nullopt;
  NumericArray table = NumericArray::Matrix(static_cast<std::int32_t>(x.Size()), 4);
  if (!CurveFit::SplineCoefficients(x, YForEachX(x, y), table)) return std::nullopt;
  return table;
}

}  // namespace

std::string LeastSquaresText(const NumericArray &x, const NumericArray &y) {
  const std::size_t n = x.Size();
  if (n == 0) return std::string();
  // One coefficient fewer than points: with a single point there is nothing to fit, and
  // the fit refuses the empty coefficient array.
  NumericArray coefficients = Zeros(n - 1), coefficientErrors = Zeros(n - 1);
  NumericArray fitted = Zeros(n), residuals = Zeros(n);
  double standardError = 0, rSquared = 0, r = 0;
  std::int32_t singular = 0;
  if (!CurveFit::LeastSquares(x, y, coefficients, fitted, residuals, standardError,
                              coefficientErrors, rSquared, r, singular)) {
    return std::string();
  }
  std::string text = "相关变量观察值：\r\n";
  AppendValues(text, y.Values());
  text += "\r\n多项式系数：\r\n";
  AppendValues(text, coefficients.Values());
  text += "\r\ny估值：\r\n";
  AppendValues(text, fitted.Values());
  text += "\r\n残差值：\r\n";
  AppendValues(text, residuals.Values());
  text += "\r\n标准误差：\r\n" + NumberToText(standardError) + "\r\n";
  text += "\r\n估计标准误差：\r\n";
  AppendValues(text, coefficientErrors.Values());
  text += "\r\nr平方值：\r\n" + NumberToText(rSquared) + "\r\n";
  text += "\r\nr值：\r\n" + NumberToText(r) + "\r\n";
  text += "\r\n是否奇异：\r\n" + NumberToText(singular);
  return text;
}

std::string SplineTableText(const NumericArray &x, const NumericArray &y) {
  const std::optional<NumericArray> table = SplineTable(x, y);
  if (!table) return std::string();
  std::string text = "方程系数：\r\n";
  AppendValues(text, table->Values());
  return text;
}

std::string SplineValueText(const NumericArray &x, const NumericArray &y, double point) {
  if (y.Empty()) return std::string();
  // Equal or falling neighbours leave the spline undefined between them: a value read
  // from such a table would be a number without meaning.
  for (std::size_t i = 0; i + 1 < x.Size(); ++i) {
    if (!(x[i] < x[i + 1])) return std::string();
  }
  const std::optional<NumericArray> table = SplineTable(x, y);
  double value = 0;
  if (!table || !CurveFit::SplineValue(x, *table, point, value)) return std::string();
  return "y值:" + NumberToText(value);
}
