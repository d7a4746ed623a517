#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <cstdint>
#include <vector>

#include "engine/numeric_array.hpp"

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

// Element-by-element editing of a two-dimensional array (a grid) through two lists: the
// row list holds the row numbers "1", "2", ..., the value list the elements of the
// selected row, one item per column.

// The largest grid a window creates. Its rows fill a list, and a result written out from
// it (a scalar product of a single row) can be one line of all its elements: beyond this
// size either would keep the window busy for many seconds.
constexpr std::int64_t kMaxGridElements = std::int64_t{1} << 16;

// When the grid would be larger than kMaxGridElements, says so with a stop message and
// returns true.
bool RefuseOversizedGrid(std::int32_t rows, std::int32_t columns);

// Replaces the items of the row list by "1" up to the grid's row count (none when the
// grid is not two-dimensional, as while it is empty).
void ListGridRows(QListWidget *rowList, const NumericArray &grid);

// Replaces the items of the value list by the elements of the row as NumberToText writes
// them (none for a row outside the grid).
void ListGridRow(QListWidget *valueList, const NumericArray &grid, int row);

// The element at [row][column], or nullptr when that lies outside the grid.
double *GridElement(NumericArray &grid, int row, int column);
