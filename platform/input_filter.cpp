#include "platform/input_filter.hpp"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QList>
#include <QPlainTextEdit>

#include "platform/multi_line_box.hpp"
#include "platform/typed_character.hpp"

namespace {

class TypedCharacterFilter : public QObject {
 public:
  TypedCharacterFilter(QObject *parent, InputFilter filter) : QObject(parent), filter_(filter) {}

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::KeyPress) {
      const int code = TypedCharacterCode(*static_cast<QKeyEvent *>(event));
      return IsPrintableCode(code) && !InputFilterAccepts(filter_, static_cast<char32_t>(code));
    }
    if (event->type() == QEvent::InputMethod) {
      // Text committed by an input method is typed text too: keep what passes.
      auto *input = static_cast<QInputMethodEvent *>(event);
      const QString kept = FilterCommittedText(filter_, input->commitString());
      if (kept == input->commitString()) return false;
      QInputMethodEvent filtered(input->preeditString(), input->attributes());
      filtered.setCommitString(kept, input->replacementStart(), input->replacementLength());
      QCoreApplication::sendEvent(watched, &filtered);
      return true;
    }
    return false;
  }

 private:
  InputFilter filter_;
};

}  // namespace

bool InputFilterAccepts(InputFilter filter, char32_t c) {
  const bool digit = c >= U'0' && c <= U'9';
  switch (filter) {
    case InputFilter::RealNumber:
      return digit || c == U'-' || c == U'.';
    case InputFilter::IntegerText:
      return digit || c == U'-';
    case InputFilter::ReadOnly:
      return false;
  }
  return false;
}

QString FilterCommittedText(InputFilter filter, const QString &text) {
  QString kept;
  for (char32_t c : text.toUcs4()) {
    if (InputFilterAccepts(filter, c)) kept.append(QString::fromUcs4(&c, 1));
  }
  return kept;
}

void SetInputFilter(QWidget *editBox, InputFilter filter) {
  if (filter == InputFilter::ReadOnly) {
    if (auto *line = qobject_cast<QLineEdit *>(editBox)) line->setReadOnly(true);
    if (auto *text = qobject_cast<QPlainTextEdit *>(editBox)) text->setReadOnly(true);
    return;
  }
  if (auto *box = qobject_cast<MultiLineBox *>(editBox)) {
    box->SetFilter(filter);
    return;
  }
  editBox->installEventFilter(new TypedCharacterFilter(editBox, filter));
}
