#pragma once

#include <QString>

// Shows a help text: writes it to a new file in the temporary directory and opens that
// file in the system's text editor, without waiting for the editor. Nothing is reported
// when the file cannot be written or the editor cannot be started.
void ShowHelp(const QString &text);

// The matrix window's help document, "帮助/矩阵运算.txt" beside the program, opened with
// the program the desktop associates with it. A missing document is not reported.
void OpenMatrixHelpDocument(const QString &runDirectory);

// Where ShowHelp writes; a new name (hexadecimal digits and ".tmp") that no file has yet.
// Exposed for tests.
QString WriteHelpFile(const QString &text);
