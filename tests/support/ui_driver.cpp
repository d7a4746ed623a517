#include "tests/support/ui_driver.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kPollMilliseconds = 5;
constexpr int kDeadlineMilliseconds = 10000;

}  // namespace

QWidget *FindControl(const QWidget *window, const QString &name) {
  auto *control = window->findChild<QWidget *>(name);
  if (!control) ADD_FAILURE() << "no control " << name.toStdString();
  return control;
}

QStringList ItemTexts(const QWidget *window, const QString &listName) {
  const auto *list = Find<QListWidget>(window, listName);
  return list ? ItemTexts(list) : QStringList();
}

void Click(const QWidget *window, const QString &name) {
  if (QWidget *control = FindControl(window, name)) {
    EXPECT_TRUE(control->isEnabled()) << name.toStdString() << " is disabled";
    QTest::mouseClick(control, Qt::LeftButton);
  }
}

void ClickItem(const QListWidget *list, int row) {
  QListWidgetItem *item = list->item(row);
  if (!item) {
    ADD_FAILURE() << "no item " << row << " in " << list->objectName().toStdString();
    return;
  }
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QStringList ItemTexts(const QListWidget *list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts.append(list->item(i)->text());
  return texts;
}

void Type(QWidget *target, const QString &text) {
  // One key per character: a character outside the basic plane (an emoji) is one key
  // with two UTF-16 units, never two keys with half a character each.
  for (char32_t c : text.toUcs4()) {
    if (c < 0x80) {
      QTest::keyClick(target, static_cast<char>(c));
    } else {
      QTest::sendKeyEvent(QTest::KeyAction::Click, target, Qt::Key_unknown,
                          QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
  }
}

void Paste(QWidget *target, const QString &text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void Press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(target, key, modifiers);
}

std::vector<ShownMessage> AnswerMessages(const std::function<void()> &action) {
  std::vector<ShownMessage> shown;
  QElapsedTimer waiting;
  QTimer timer;
  timer.setInterval(kPollMilliseconds);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
      shown.push_back({box->windowTitle(), box->text(), box->icon()});
      box->button(QMessageBox::Ok)->click();
      waiting.invalidate();
    } else if (modal) {
      // Some other dialog is blocking: give it time, then fail instead of hanging.
      if (!waiting.isValid()) waiting.start();
      if (waiting.elapsed() > kDeadlineMilliseconds) {
        ADD_FAILURE() << "a dialog other than a message box stayed open";
        modal->close();
      }
    }
  });
  timer.start();
  action();
  timer.stop();
  return shown;
}

void WithDialog(const std::function<void()> &open,
                const std::function<void(QWidget *dialog)> &inside) {
  bool found = false;
  QElapsedTimer waiting;
  waiting.start();
  QTimer timer;
  timer.setInterval(kPollMilliseconds);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && !qobject_cast<QMessageBox *>(modal)) {
      timer.stop();
      found = true;
      // A user works in the window in front: focus moves only inside the active window.
      modal->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
      inside(modal);
      if (QApplication::activeModalWidget() == modal) modal->close();
    } else if (waiting.elapsed() > kDeadlineMilliseconds) {
      timer.stop();
      if (modal) modal->close();
    }
  });
  timer.start();
  open();
  timer.stop();
  EXPECT_TRUE(found) << "no dialog opened";
}
