#include "windows/list_editing.hpp"

#include "app/number_text.hpp"

namespace {

QString NumberItemText(const QString &text) {
  return QString::fromStdString(NumberToText(TextToNumber(text)));
}

}  // namespace

void AddNumberItem(QListWidget *list, QLineEdit *operand, SelectAdded select) {
  list->addItem(NumberItemText(operand->text()));
  if (select == SelectAdded::Yes) list->setCurrentRow(list->count() - 1);
  operand->clear();
  operand->setFocus();
}

void ModifySelectedItem(QListWidget *list, const QString &text) {
  if (QListWidgetItem *item = list->currentItem()) item->setText(NumberItemText(text));
}

void DeleteSelectedItem(QListWidget *list) {
  const int row = list->currentRow();
  if (row < 0) return;
  delete list->takeItem(row);
  list->setCurrentRow(list->count() - 1);
}

std::vector<double> ItemNumbers(const QListWidget *list) {
  std::vector<double> numbers;
  numbers.reserve(static_cast<std::size_t>(list->count()));
  for (int i = 0; i < list->count(); ++i) numbers.push_back(TextToNumber(list->item(i)->text()));
  return numbers;
}
