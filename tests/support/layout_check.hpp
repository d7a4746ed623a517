#pragma once

#include <QRect>
#include <QWidget>
#include <initializer_list>

// One control of a window's layout as the window must show it.
struct PlacedControl {
  const char *name;
  QRect geometry;            // relative to its parent (the window or its group box)
  const char *caption = "";  // caption of a button, label or group box; text of an edit box
};

// Expects every control with its geometry and caption, and every caption to fit inside its
// control at the program's font: a caption wider than its control would be clipped.
void ExpectLayout(const QWidget *window, std::initializer_list<PlacedControl> controls);

// Expects the caption of every button, radio button, label and group box of the window
// to fit its control at the window's font.
void ExpectCaptionsFit(const QWidget *window);
