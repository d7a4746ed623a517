#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <vector>

// The editing of number lists that every tool window with lists shares. "The selected
// item" of a list is its current row.

enum class SelectAdded { No, Yes };

// Appends the number the operand box holds (as NumberToText writes it) as the new last
// item, selects it when asked, then empties the operand box and gives it the focus.
void AddNumberItem(QListWidget *list, QLineEdit *operand, SelectAdded select);

// Replaces the selected item by the number the text holds; nothing without a selection.
void ModifySelectedItem(QListWidget *list, const QString &text);

// Deletes the selected item (nothing without one), then selects the last item (none
// when the list is now empty).
void DeleteSelectedItem(QListWidget *list);

// The numbers of all items, in list order.
std::vector<double> ItemNumbers(const QListWidget *list);
