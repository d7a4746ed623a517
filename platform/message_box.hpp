#pragma once

#include <QString>

enum class MessageIcon { Plain, Stop, Warning };

// The one way the program tells the user something in a box: title "信息：", a single OK
// button, no owner window, modal to the whole program. Returns when the user closes it.
void ShowMessage(const QString &text, MessageIcon icon = MessageIcon::Plain);
