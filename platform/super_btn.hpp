#pragma once

#include <QPushButton>

// The push button of every window. A class of its own so that all buttons share one
// look and so that windows name the kind their layouts use.
class SuperBtn : public QPushButton {
  Q_OBJECT
 public:
  explicit SuperBtn(QWidget *parent = nullptr);
};
