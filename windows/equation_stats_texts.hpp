#pragma once

#include <string>

#include "engine/numeric_array.hpp"

// The result texts of the equations and statistics window, built without widgets.

// The solution of a x = b with the inverse of a and its determinant, or the empty text
// when the solver refuses the system (shapes that do not match, a zero coefficient, a
// singular matrix).
std::string EquationsText(const NumericArray &a, const NumericArray &b);

// The nine statistics of every row of the table, one block per statistic, or the empty
// text when the table cannot be evaluated.
std::string StatisticsText(const NumericArray &table);
