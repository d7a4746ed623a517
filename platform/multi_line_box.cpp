#include "platform/multi_line_box.hpp"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>

#include "platform/typed_character.hpp"

MultiLineBox::MultiLineBox(QWidget *parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Numbers have no spaces: wrap them anywhere rather than overflow the box.
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setTabChangesFocus(true);
}

QString MultiLineBox::Text() const {
  QString text = toPlainText();
  text.replace('\n', "\r\n");
  return text;
}

void MultiLineBox::SetText(const QString &text) {
  QString plain = text;
  plain.replace("\r\n", "\n");
  setPlainText(plain);
}

void MultiLineBox::MoveCaretToEnd() {
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
}

void MultiLineBox::keyPressEvent(QKeyEvent *event) {
  const int code = TypedCharacterCode(*event);
  if (code >= 0 && characterInput && characterInput(code)) {
    event->accept();
    return;
  }
  if (filter_ && IsPrintableCode(code) && !InputFilterAccepts(*filter_, char32_t(code))) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent *event) {
  // Text committed by an input method is typed text too: each character meets the
  // character-input event first and then the box's filter, as a typed key does.
  const QString committed = event->commitString();
  QString kept;
  for (char32_t c : committed.toUcs4()) {
    if (characterInput && characterInput(static_cast<int>(c))) continue;
    if (filter_ && !InputFilterAccepts(*filter_, c)) continue;
    kept.append(QString::fromUcs4(&c, 1));
  }
  if (kept == committed) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&filtered);
}
