#pragma once

#include <QString>

#include "calculator/calculator_state.hpp"
#include "engine/numeric_array.hpp"

// Everything that lives for the whole run and survives the closing of a tool window.
// Members are created in the order they are declared and released in reverse when the
// program ends.
struct AppGlobals {
  CalculatorState calculatorState;

  NumericArray statsArray;      // the statistics table
  NumericArray matrixArray;     // the element-by-element matrix
  NumericArray fourier2dReal;   // two-dimensional transform, real parts
  NumericArray fourier2dImag;   // two-dimensional transform, imaginary parts
  NumericArray fourierRealSet;  // one-dimensional data set, real parts
  NumericArray fourierImagSet;  // one-dimensional data set, imaginary parts

  QString runDirectory;  // the directory the program runs from
  QString settingsPath;  // the settings file in use
};
