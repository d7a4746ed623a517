#include <benchmark/benchmark.h>

#include "engine/expr/expression_parse.hpp"

namespace {

constexpr const char *kExpression = "3*exp(x)*tan(x)/(8+log(x))";

// One evaluation as the parser offers it to callers: conversion to postfix, then evaluation.
void BM_EvaluateAt(benchmark::State &state) {
  ExpressionParse parser;
  parser.CheckSyntax(kExpression);
  double x = 1.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(parser.EvaluateAt(x));
    benchmark::DoNotOptimize(x);
  }
}
BENCHMARK(BM_EvaluateAt);

// One evaluation of a list converted beforehand, as the integral does at every point.
void BM_EvaluatePostfix(benchmark::State &state) {
  ExpressionParse parser;
  parser.CheckSyntax(kExpression);
  parser.ToPostfix();
  double x = 1.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(parser.EvaluatePostfix(x));
    benchmark::DoNotOptimize(x);
  }
}
BENCHMARK(BM_EvaluatePostfix);

void BM_IntegrateExpSin(benchmark::State &state) {
  double result = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ExpressionParse::IntegrateExpression("sin(x)*exp(x)", 3.0, 0.0, 1e-6, result));
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_IntegrateExpSin);

// An integrand whose Romberg values never settle runs into the bound on evaluations: this is
// the longest an ordinary expression can keep the window busy.
void BM_IntegrateUnsettled(benchmark::State &state) {
  double result = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        ExpressionParse::IntegrateExpression("sin(x)*exp(x)", 3.0, 0.0, 0.0, result));
  }
}
BENCHMARK(BM_IntegrateUnsettled)->Unit(benchmark::kMillisecond);

}  // namespace
