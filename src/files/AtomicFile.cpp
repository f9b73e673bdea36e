#include "files/AtomicFile.h"

#include "files/DescriptorDevice.h"
#include "files/TemporaryFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString IsFolderReason(const QString &path)
{
    return QStringLiteral("%1 is a folder, not a file.").arg(path);
}

QString CannotWriteReason(const QString &path, const QString &why)
{
    return QStringLiteral("Cannot write %1: %2").arg(path, why);
}

// The file a write replaces: a symbolic link's target, so that the link stays.
QString FollowLinks(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
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

    TemporaryFile file(FollowLinks(path));
    if (Outcome opened = file.open(); !opened)
        return Outcome::failure(CannotWriteReason(path, opened.reason()));
    DescriptorDevice out(file.descriptor());
    const bool wrote = write(out);
    if (out.failure() != 0)
        return Outcome::failure(CannotWriteReason(path, out.errorString()));
    if (!wrote)
        return Outcome::failure(CannotWriteReason(path, QStringLiteral("the file could not be completed")));
    if (Outcome committed = file.commit(); !committed)
        return Outcome::failure(CannotWriteReason(path, committed.reason()));
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
