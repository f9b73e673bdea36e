#pragma once

#include "files/Outcome.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Every file the program writes goes to a temporary file beside the target and is
// renamed over it when complete, so a failed write never destroys the old file.
// A read-only target is refused rather than replaced.
Outcome WriteFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);
Outcome WriteFileAtomically(const QString &path, const QByteArray &bytes);

// IsFileThere: whether a file at the path can be opened for reading (a folder
// cannot).
bool IsFileThere(const QString &path);

// Reads a whole user file, refusing one larger than maxBytes.
Expected<QByteArray> ReadWholeFile(const QString &path, qint64 maxBytes);
