#pragma once

#include <QString>

#include "calculator/calculator_state.hpp"
#include "engine/numeric_array.hpp"
#include "windows/calculus_adapter.hpp"
#include "windows/complex_adapter.hpp"
#include "windows/fourier_adapter.hpp"
#include "windows/matrix_adapter.hpp"

// Everything that lives for the whole run and survives the closing of a tool window.
// Members are created in the order they are declared and released in reverse when the
// program ends.
struct AppGlobals {
  CalculatorState calculatorState;

  CalculusAdapter calculusAdapter;
  ComplexAdapter complexAdapter;
  NumericArray statsArray;  // the statistics table
  MatrixAdapter matrixAdapter;
  NumericArray matrixArray;    // the element-by-element matrix
  NumericArray fourier2dReal;  // two-dimensional transform, real parts
  NumericArray fourier2dImag;  // two-dimensional transform, imaginary parts
  FourierAdapter fourierAdapter;
  NumericArray fourierRealSet;  // one-dimensional data set, real parts
  NumericArray fourierImagSet;  // one-dimensional data set, imaginary parts

  // --- kept between openings by the equations and statistics, expression and
  // curve-fitting, and calculus windows ---
  // Which coefficient column the equations' editing buttons act on while the x radio
  // button is not selected: 1 the first column, 0 the second. The table itself is
  // statsArray; its shape is the size the user created.
  int equationTargetList = 0;

  // --- end of those windows' values ---

  // --- kept between openings by the complex-number, matrix and Fourier windows ---

  // The operation last chosen among the Fourier window's four one-dimensional operations;
  // choosing a different one empties the data lists.
  QString fourierMode;

  // --- end of those windows' values ---

  QString runDirectory;  // the directory the program runs from
  QString settingsPath;  // the settings file in use
};
