#include "tests/support/caption_fit.hpp"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

void ExpectFits(const QWidget *control, const QString &caption, int needed) {
  EXPECT_LE(needed, control->width())
      << control->objectName().toStdString() << " \"" << caption.toStdString() << "\"";
}

}  // namespace

void ExpectCaptionsFit(const QWidget *window) {
  for (const QWidget *control : window->findChildren<QWidget *>()) {
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto *radio = qobject_cast<const QRadioButton *>(control)) {
      const QStyle *style = radio->style();
      ExpectFits(radio, radio->text(),
                 style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio) +
                     metrics.horizontalAdvance(radio->text()));
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
      ExpectFits(button, button->text(), metrics.horizontalAdvance(button->text()));
    } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
      ExpectFits(label, label->text(), metrics.horizontalAdvance(label->text()));
    } else if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
      // The title is drawn inset from the frame's left corner.
      ExpectFits(group, group->title(), metrics.horizontalAdvance(group->title()) + 8);
    }
  }
}
