#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Whether a regular file is at the path; a directory of that name does not count.
bool FileExists(const QString &path);

// Whether new files can be made in the directory.
bool DirectoryWritable(const QString &directory);

// The whole file, or nothing when it cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString &path);

// Replaces (or creates) the file with the bytes: written to a temporary file in the same
// directory and renamed over the old one, so a crash or a full disk never leaves a
// half-written file behind.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);

// Creates a new file that did not exist before, holding the bytes; false when a file of
// that name already exists or it cannot be written.
bool CreateNewFile(const QString &path, const QByteArray &bytes);

// Tests make file writes fail through this hook (they run as root, where permissions do
// not stop a write). Returns the hook it replaces; an empty hook lets every write through.
using FileWriteFailureHook = std::function<bool(const QString &path)>;
FileWriteFailureHook SetFileWriteFailureHook(FileWriteFailureHook hook);
