#include "windows/list_editing.hpp"

#include "app/number_text.hpp"
#include "platform/message_box.hpp"

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

bool RefuseOversizedGrid(std::int32_t rows, std::int32_t columns) {
  if (std::int64_t{rows} * std::int64_t{columns} <= kMaxGridElements) return false;
  ShowMessage(QString("错误：成员总数不能超过%1").arg(kMaxGridElements), MessageIcon::Stop);
  return true;
}

namespace {

std::int32_t RowCount(const NumericArray &grid) {
  return grid.DimensionCount() == 2 ? grid.Count(0) : 0;
}

std::int32_t ColumnCount(const NumericArray &grid) {
  return grid.DimensionCount() == 2 ? grid.Count(1) : 0;
}

}  // namespace

void ListGridRows(QListWidget *rowList, const NumericArray &grid) {
  // Every item is one short line: with that said, the list need not measure each of
  // thousands of items before it can show them.
  rowList->setUniformItemSizes(true);
  rowList->clear();
  QStringList numbers;
  for (std::int32_t row = 1; row <= RowCount(grid); ++row) numbers.append(QString::number(row));
  rowList->addItems(numbers);
}

void ListGridRow(QListWidget *valueList, const NumericArray &grid, int row) {
  valueList->setUniformItemSizes(true);
  valueList->clear();
  if (row < 0 || row >= RowCount(grid)) return;
  QStringList values;
  for (std::int32_t column = 0; column < ColumnCount(grid); ++column) {
    values.append(QString::fromStdString(NumberToText(grid.At(row, column))));
  }
  valueList->addItems(values);
}

double *GridElement(NumericArray &grid, int row, int column) {
  if (row < 0 || row >= RowCount(grid) || column < 0 || column >= ColumnCount(grid)) {
    return nullptr;
  }
  return &grid.At(row, column);
}
