#include "files/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString IsFolderReason(const QString &path)
{
    return QStringLiteral("%1 is a folder, not a file.").arg(path);
}

QString CannotWriteReason(const QString &path, const QString &why)
{
    return QStringLiteral("Cannot write %1: %2").arg(path, why);
}

} // namespace

Outcome WriteFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    if (path.isEmpty())
        return Outcome::failure(QStringLiteral("No file name was given."));
    const QFileInfo info(path);
    if (info.isDir())
        return Outcome::failure(IsFolderReason(path));
    if (info.exists() && !info.isWritable())
        return Outcome::failure(QStringLiteral("%1 is read-only.").arg(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome::failure(CannotWriteReason(path, file.errorString()));
    if (!write(file) || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Outcome::failure(CannotWriteReason(path, reason));
    }
    if (!file.commit())
        return Outcome::failure(CannotWriteReason(path, file.errorString()));
    return Outcome::success();
}

Outcome WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    return WriteFileAtomically(path, [&bytes](QIODevice &out) { return out.write(bytes) == bytes.size(); });
}

bool IsFileThere(const QString &path)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

Expected<QByteArray> ReadWholeFile(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return Expected<QByteArray>::failure(IsFolderReason(path));
    if (!file.open(QIODevice::ReadOnly))
        return Expected<QByteArray>::failure(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
    if (file.size() > maxBytes)
        return Expected<QByteArray>::failure(QStringLiteral("%1 is too large (%2 MB; at most %3 MB can be read).")
                                                 .arg(path)
                                                 .arg((file.size() + 1024 * 1024 - 1) / (1024 * 1024))
                                                 .arg(maxBytes / (1024 * 1024)));
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Expected<QByteArray>::failure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    if (bytes.size() > maxBytes)
        return Expected<QByteArray>::failure(QStringLiteral("%1 is too large.").arg(path));
    return bytes;
}
