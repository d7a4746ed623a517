#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/expr/expression_parse.hpp"

// Arbitrary bytes as a typed expression: the syntax check, the conversion and the
// evaluation at a few x must neither crash nor read outside their buffers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char *>(data), size);
  ExpressionParse parser;
  if (!parser.CheckSyntax(text)) return 0;
  const std::string_view working = parser.WorkingText();
  if (working.back() != '#' || working.find_first_of("[]{}") != std::string_view::npos) {
    __builtin_trap();
  }
  parser.ToPostfix();
  for (double x : {0.0, 1.0, -2.5, 1e300}) {
    const ExpressionParse::Code code = parser.EvaluatePostfix(x);
    if (code < ExpressionParse::kMalformed || code > ExpressionParse::kSqrtDomain) __builtin_trap();
    if (parser.EvaluateAt(x) != code) __builtin_trap();
  }
  // A tolerance this coarse stops the integral at its first test, after seventeen points.
  double result = 0.0;
  ExpressionParse::IntegrateExpression(text, 1.0, 0.0, 1e300, result);
  return 0;
}
