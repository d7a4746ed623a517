#include "windows/tool_windows.hpp"

// Placeholder until the window is built.
void OpenEquationStatsWindow(AppGlobals &) {}
