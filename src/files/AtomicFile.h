#pragma once

#include "files/Outcome.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class DescriptorDevice;
class QIODevice;
class TemporaryFile;

// Every file the program writes goes to a temporary file beside the target and is
// renamed over it when complete, so a failed write never destroys the old file.
// A read-only target is refused rather than replaced.
Outcome WriteFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);
Outcome WriteFileAtomically(const QString &path, const QByteArray &bytes);

// The same for a file written piece by piece while the program goes on (the
// outputs of a compile, as it makes their lines): the target is replaced only by
// commit(), and a writer destroyed without one leaves it as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(QString path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    // Refuses a folder or a read-only target, then creates the temporary file.
    Outcome open();
    // Where the content goes; only after a successful open().
    QIODevice &device();
    // Puts the file in place, unless a write failed or complete is false.
    Outcome commit(bool complete = true);

private:
    QString m_path;
    std::unique_ptr<TemporaryFile> m_file;
    std::unique_ptr<DescriptorDevice> m_out;
};

// IsFileThere: whether a file at the path can be opened for reading (a folder
// cannot).
bool IsFileThere(const QString &path);

// Reads a whole user file, refusing one larger than maxBytes.
Expected<QByteArray> ReadWholeFile(const QString &path, qint64 maxBytes);
