#pragma once

struct AppGlobals;

// Opens a tool window as a dialog; returns when the user has closed it. Each opening
// builds the window afresh; what it keeps between openings lives in AppGlobals.
void OpenExpressionCurveWindow(AppGlobals &globals);
void OpenEquationStatsWindow(AppGlobals &globals);
void OpenCalculusWindow(AppGlobals &globals);
void OpenComplexWindow(AppGlobals &globals);
void OpenMatrixWindow(AppGlobals &globals);
void OpenFourierWindow(AppGlobals &globals);
