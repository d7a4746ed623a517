#pragma once

#include <QString>

class QWidget;

// What an edit box lets the user type. The filter acts on typed printable characters
// only; control keys and pasted text pass, as they do in the boxes users know.
enum class InputFilter {
  RealNumber,   // digits, "-" and "."
  IntegerText,  // digits and "-"
  ReadOnly,     // nothing: the box only shows results
};

// Applies the filter to a QLineEdit, a QPlainTextEdit or a MultiLineBox.
void SetInputFilter(QWidget *editBox, InputFilter filter);

// Whether the filter lets the character through.
bool InputFilterAccepts(InputFilter filter, char32_t character);

// The part of a text committed by an input method that the filter lets through.
QString FilterCommittedText(InputFilter filter, const QString &text);
