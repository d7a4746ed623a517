#pragma once

// Puts the floating-point environment into the state the engine relies on: round to
// nearest and every exception masked, so that division by zero and invalid operations
// give infinities and NaNs instead of traps.
void ResetFloatingPoint();
