#include "platform/trans_label.hpp"

TransLabel::TransLabel(QWidget *parent) : QLabel(parent) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_TranslucentBackground);
}
