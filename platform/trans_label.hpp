#pragma once

#include <QLabel>

// A caption drawn straight onto its parent: no background of its own, so it sits on
// group boxes and title strips without a visible box.
class TransLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TransLabel(QWidget *parent = nullptr);
};
