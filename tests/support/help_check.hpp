#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Presses the window's help button ("帮助按钮") and checks that it shows the text: one file
// opened, holding the text; the text's lines all end with "\r\n" and the headings appear
// among them as lines of their own (spaces around them aside), in this order.
void ExpectHelpShows(const QWidget *window, const QString &text, const QStringList &headings);
