#include "files/AtomicFile.h"

#include "files/DescriptorDevice.h"
#include "files/TemporaryFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

AtomicFileWriter::AtomicFileWriter(QString path) : m_path(std::move(path)) {}

AtomicFileWriter::~AtomicFileWriter() = default;

Outcome AtomicFileWriter::open()
{
    if (m_path.isEmpty())
        return Outcome::failure(QStringLiteral("No file name was given."));
    const QFileInfo info(m_path);
    if (info.isDir())
        return Outcome::failure(IsFolderReason(m_path));
    if (info.exists() && !info.isWritable())
        return Outcome::failure(QStringLiteral("%1 is read-only.").arg(m_path));

    auto file = std::make_unique<TemporaryFile>(FollowLinks(m_path));
    if (Outcome opened = file->open(); !opened)
        return Outcome::failure(CannotWriteReason(m_path, opened.reason()));
    m_out = std::make_unique<DescriptorDevice>(file->descriptor());
    m_file = std::move(file);
    return Outcome::success();
}

QIODevice &AtomicFileWriter::device()
{
    Q_ASSERT(m_out);
    return *m_out;
}

Outcome AtomicFileWriter::commit(bool complete)
{
    if (!m_file)
        return Outcome::failure(CannotWriteReason(m_path, QStringLiteral("the file was not created")));
    if (m_out->failure() != 0)
        return Outcome::failure(CannotWriteReason(m_path, m_out->errorString()));
    if (!complete)
        return Outcome::failure(CannotWriteReason(m_path, QStringLiteral("the file could not be completed")));
    if (Outcome committed = m_file->commit(); !committed)
        return Outcome::failure(CannotWriteReason(m_path, committed.reason()));
    return Outcome::success();
}

Outcome WriteFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    AtomicFileWriter file(path);
    if (Outcome opened = file.open(); !opened)
        return opened;
    const bool wrote = write(file.device());
    return file.commit(wrote);
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
    // Read in pieces, not into a buffer of the limit's size: a file of a few
    // kilobytes needs no more memory than that.
    QByteArray bytes;
    if (!file.isSequential())
        bytes.reserve(qsizetype(std::min(file.size(), maxBytes)) + 1);
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min<qint64>(maxBytes + 1 - bytes.size(), 1 << 20));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        return Expected<QByteArray>::failure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    if (bytes.size() > maxBytes)
        return Expected<QByteArray>::failure(QStringLiteral("%1 is too large.").arg(path));
    return bytes;
}
