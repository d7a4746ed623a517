#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <optional>

#include "platform/input_filter.hpp"

// A multi-line edit box with a vertical scroll bar. Window code sees its text with
// "\r\n" line breaks, the form every result text and matrix text is built in.
class MultiLineBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit MultiLineBox(QWidget *parent = nullptr);

  QString Text() const;
  void SetText(const QString &text);  // "\r\n" or "\n" line breaks
  void MoveCaretToEnd();

  // Runs for every typed character (code as TypedCharacterCode gives it) before the box
  // handles it; returning true means the character was dealt with and the box must not
  // see it.
  std::function<bool(int code)> characterInput;

  // The box's own filter on typed characters; it runs after characterInput.
  void SetFilter(InputFilter filter) { filter_ = filter; }

 protected:
  void keyPressEvent(QKeyEvent *event) override;
  void inputMethodEvent(QInputMethodEvent *event) override;

 private:
  std::optional<InputFilter> filter_;
};
