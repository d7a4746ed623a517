#include "tests/support/layout_check.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "tests/support/ui_driver.hpp"

namespace {

QString CaptionOf(const QWidget *control) {
  if (auto *button = qobject_cast<const QAbstractButton *>(control)) return button->text();
  if (auto *label = qobject_cast<const QLabel *>(control)) return label->text();
  if (auto *group = qobject_cast<const QGroupBox *>(control)) return group->title();
  if (auto *line = qobject_cast<const QLineEdit *>(control)) return line->text();
  if (auto *box = qobject_cast<const QPlainTextEdit *>(control)) return box->toPlainText();
  return QString();
}

// The width the caption needs inside its control.
int NeededWidth(const QWidget *control, const QString &caption) {
  if (qobject_cast<const QRadioButton *>(control)) return control->sizeHint().width();
  const int text = control->fontMetrics().horizontalAdvance(caption);
  // A group box draws its title with a little room on either side.
  if (qobject_cast<const QGroupBox *>(control)) return text + 8;
  return text;
}

bool IsEditBox(const QWidget *control) {
  return qobject_cast<const QPlainTextEdit *>(control) || qobject_cast<const QLineEdit *>(control);
}

void ExpectCaptionFits(const QWidget *control, const QString &caption) {
  EXPECT_LE(NeededWidth(control, caption), control->width())
      << control->objectName().toStdString() << " \"" << caption.toStdString() << "\"";
}

}  // namespace

void ExpectCaptionsFit(const QWidget *window) {
  for (const QWidget *control : window->findChildren<QWidget *>()) {
    const QString caption = CaptionOf(control);
    // Edit boxes scroll their text; every other caption must fit on its one line.
    if (!caption.isEmpty() && !IsEditBox(control)) ExpectCaptionFits(control, caption);
  }
}

void ExpectLayout(const QWidget *window, std::initializer_list<PlacedControl> controls) {
  for (const PlacedControl &c : controls) {
    const QWidget *control = FindControl(window, c.name);
    if (!control) continue;
    EXPECT_EQ(control->geometry(), c.geometry) << c.name;
    const QString caption = CaptionOf(control);
    EXPECT_EQ(caption, QString::fromUtf8(c.caption)) << c.name;
    if (!caption.isEmpty() && !IsEditBox(control)) ExpectCaptionFits(control, caption);
  }
}
