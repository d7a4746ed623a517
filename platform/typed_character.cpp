#include "platform/typed_character.hpp"

#include <QKeyEvent>
#include <QList>

int TypedCharacterCode(const QKeyEvent &event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return -1;
  switch (event.key()) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty()) return -1;
  const char32_t code = text.toUcs4().value(0);
  return code < 0x20 || code == 0x7f ? -1 : static_cast<int>(code);
}
