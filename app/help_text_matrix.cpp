#include "app/help_texts.hpp"

// Placeholder until the window is built.
QString MatrixHelpText() { return QString(); }
