#pragma once

class QWidget;

// Checks that the caption of every button, radio button, label and group box of the
// window fits the width of its control at the window's font; a caption that does not
// fit would be clipped on screen.
void ExpectCaptionsFit(const QWidget *window);
