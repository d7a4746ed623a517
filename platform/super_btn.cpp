#include "platform/super_btn.hpp"

SuperBtn::SuperBtn(QWidget *parent) : QPushButton(parent) {
  // The layouts are measured to the pixel; Qt's default padding would clip captions
  // such as "Backspace" on their 67-pixel keys.
  setStyleSheet("SuperBtn { padding: 0px; }");
  setAutoDefault(false);
}
