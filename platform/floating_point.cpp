#include "platform/floating_point.hpp"

#include <cfenv>

void ResetFloatingPoint() { std::fesetenv(FE_DFL_ENV); }
