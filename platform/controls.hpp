#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRect>
#include <QString>
#include <type_traits>

// Places one control of a window's layout: it gets its layout name as objectName, its
// position and size in pixels (relative to its parent) and its caption.
template <class Control>
Control *PlaceControl(QWidget *parent, const char *name, QRect geometry,
                      const QString &caption = QString()) {
  auto *control = new Control(parent);
  control->setObjectName(QString::fromUtf8(name));
  control->setGeometry(geometry);
  if (!caption.isEmpty()) {
    if constexpr (std::is_base_of_v<QGroupBox, Control>) {
      control->setTitle(caption);
    } else if constexpr (std::is_base_of_v<QPlainTextEdit, Control>) {
      control->setPlainText(caption);
    } else if constexpr (requires { control->setText(caption); }) {
      control->setText(caption);
    }
  }
  return control;
}

// The coloured strip across the top of a window, under its help and close buttons.
inline QLabel *PlaceTitleStrip(QWidget *window, const char *name, QRect geometry) {
  auto *strip = PlaceControl<QLabel>(window, name, geometry);
  strip->setStyleSheet("QLabel { background-color: #3a6ea5; }");
  return strip;
}
