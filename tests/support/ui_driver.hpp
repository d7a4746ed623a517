#pragma once

#include <QListWidget>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

// Drives windows the way a user does: finds controls by their layout names, clicks them,
// types into them, and answers the modal boxes and dialogs they open.

// The control with the objectName, or a test failure (and nullptr) when there is none.
QWidget *FindControl(const QWidget *window, const QString &name);

template <class Control>
Control *Find(const QWidget *window, const QString &name) {
  return qobject_cast<Control *>(FindControl(window, name));
}

// The texts of the items of the list box with the objectName, in list order.
QStringList ItemTexts(const QWidget *window, const QString &listName);

// A left click in the middle of the control.
void Click(const QWidget *window, const QString &name);

// A left click on the list's item in the given row, as a user selects it.
void ClickItem(const QListWidget *list, int row);

// The texts of the list's items, first to last.
QStringList ItemTexts(const QListWidget *list);

// Types the text key by key into the widget (non-ASCII characters included).
void Type(QWidget *target, const QString &text);

// Pastes the text at the widget's caret as Ctrl+V does, through the clipboard.
void Paste(QWidget *target, const QString &text);

// Presses one key (Backspace, Escape, Return...) on the widget.
void Press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

struct ShownMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
};

// Runs the action and answers every message box it opens with OK, in order.
std::vector<ShownMessage> AnswerMessages(const std::function<void()> &action);

// Runs an action that opens a modal dialog with exec(); once the dialog is up, runs
// `inside` with it and then closes the dialog if `inside` left it open. A dialog that
// does not appear within a few seconds fails the test instead of hanging it.
void WithDialog(const std::function<void()> &open,
                const std::function<void(QWidget *dialog)> &inside);
