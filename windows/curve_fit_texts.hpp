#pragma once

#include <string>

#include "engine/numeric_array.hpp"

// The result texts of the curve-fitting modes, built without widgets. Each gives the
// empty text when its computation fails; the window then shows "运算错误".

// The least-squares polynomial of degree n - 2 through the n points (x, y): the dependent
// values, coefficients (constant term first), fitted values, residuals, standard error,
// coefficient standard errors, r squared, r and the singular flag.
std::string LeastSquaresText(const NumericArray &x, const NumericArray &y);

// The natural cubic spline table through the points (x, y), four coefficients a, b, c, d
// per point. Missing y values are 0, surplus ones are ignored.
std::string SplineTableText(const NumericArray &x, const NumericArray &y);

// "y值:" and the value at the point of the natural cubic spline through (x, y), missing y
// values 0. Empty when a list is empty, the x values do not increase strictly, or the
// point lies outside them.
std::string SplineValueText(const NumericArray &x, const NumericArray &y, double point);
