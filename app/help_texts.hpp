#pragma once

#include <QString>

// The help text of each window with a help button. Lines end with "\r\n", the form the
// text editors of both Windows and Linux show as separate lines.
QString MainWindowHelpText();
QString EquationStatsHelpText();
QString CalculusHelpText();
QString ComplexHelpText();
QString MatrixHelpText();
QString FourierHelpText();
QString ExpressionCurveHelpText();
