#include "cli/ReplaceTogether.h"

#include "platform/AppPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// rename(2) replaces the target in one step; QFile::rename does not replace.
bool moveOver(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A second name for the old file, to put it back with; a copy where the file
// system has no hard links.
bool keepCopy(const QString &from, const QString &to)
{
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 || QFile::copy(from, to);
}

} // namespace

Outcome ReplaceTogether(const QString &dir, const QStringList &names,
                        const std::function<Outcome(int index, const QString &path)> &write)
{
    return ReplaceTogether(dir, names, [&](const QStringList &stagedPaths) {
        for (int i = 0; i < stagedPaths.size(); ++i)
            if (const Outcome written = write(i, stagedPaths[i]); !written)
                return written;
        return Outcome::success();
    });
}

Outcome ReplaceTogether(const QString &dir, const QStringList &names,
                        const std::function<Outcome(const QStringList &stagedPaths)> &writeAll)
{
    QStringList targets;
    for (const QString &name : names) {
        const QString target = AppPaths::join(dir, name);
        const QFileInfo info(target);
        if (info.isDir())
            return Outcome::failure(QStringLiteral("%1 is a folder, not a file.").arg(target));
        if (info.exists() && !info.isWritable())
            return Outcome::failure(QStringLiteral("%1 is read-only.").arg(target));
        targets.append(target);
    }

    QTemporaryDir staging(AppPaths::join(dir, QStringLiteral(".halvoran-staging-XXXXXX")));
    if (!staging.isValid())
        return Outcome::failure(QStringLiteral("Cannot write in %1: %2").arg(dir, staging.errorString()));
    QStringList staged;
    for (const QString &name : names)
        staged.append(staging.filePath(name));
    if (const Outcome written = writeAll(staged); !written)
        return written;

    QStringList kept;
    for (int i = 0; i < names.size(); ++i) {
        QString copy;
        if (QFileInfo::exists(targets[i])) {
            copy = staging.filePath(QStringLiteral("previous-") + names[i]);
            if (!keepCopy(targets[i], copy))
                return Outcome::failure(QStringLiteral("Cannot keep a copy of %1.").arg(targets[i]));
        }
        kept.append(copy);
    }
    for (int i = 0; i < names.size(); ++i) {
        if (moveOver(staging.filePath(names[i]), targets[i]))
            continue;
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        for (int j = 0; j < i; ++j) {
            if (kept[j].isEmpty())
                QFile::remove(targets[j]);
            else
                moveOver(kept[j], targets[j]);
        }
        return Outcome::failure(QStringLiteral("Cannot write %1: %2").arg(targets[i], why));
    }
    return Outcome::success();
}
