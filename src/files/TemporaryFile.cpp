#include "files/TemporaryFile.h"

#include "files/DescriptorDevice.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kMarker = QStringLiteral(".halvoran-");
const QStringList kCompanions{QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")};
// A file this young may belong to a writer that has created but not yet locked it.
constexpr qint64 kGraceSeconds = 5;
// Where locks cannot be tested, only age tells: no write takes an hour.
constexpr qint64 kUnlockableSeconds = 3600;

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

QString Tag()
{
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < 6; ++i)
        tag += QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet) - 1)]);
    return tag;
}

QString NameBeside(const QString &folder, const QString &target)
{
    // The target's name is cut so that the temporary name stays within NAME_MAX.
    return folder + QLatin1String("/.") + QFileInfo(target).fileName().left(100) + kMarker + Tag();
}

Outcome Failed(int error, qint64 written = 0)
{
    return Outcome::failure(DescriptorDevice::describe(error, written));
}

qint64 ModifiedSeconds(const struct stat &info)
{
    return qint64(info.st_mtim.tv_sec);
}

bool SyncFolder(const QString &folder)
{
    const int fd = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// rename() without replacing: renameat2 where the file system has it, else a
// hard link, which fails on an existing name as well.
int RenameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    if (::link(from.constData(), to.constData()) != 0)
        return -1;
    ::unlink(from.constData());
    return 0;
}

} // namespace

TemporaryFile::TemporaryFile(QString target) : m_target(std::move(target)), m_folder(QFileInfo(m_target).absolutePath())
{
}

TemporaryFile::~TemporaryFile()
{
    discard();
}

Outcome TemporaryFile::open(Kind kind)
{
    // An anonymous file needs /proc to be given its name at the end.
    if (kind == Kind::Anonymous && ::access("/proc/self/fd", X_OK) == 0)
        m_descriptor = ::open(Native(m_folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_descriptor < 0) {
        if (Outcome created = createNamed(); !created)
            return created;
    }
    struct stat info {};
    if (::stat(Native(m_target).constData(), &info) == 0)
        ::fchmod(m_descriptor, info.st_mode & 07777);
    if (::fstat(m_descriptor, &info) == 0)
        removeStale(m_folder, ModifiedSeconds(info), QFileInfo(m_path).fileName());
    return Outcome::success();
}

Outcome TemporaryFile::createNamed()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = NameBeside(m_folder, m_target);
        m_descriptor = ::open(Native(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (m_descriptor >= 0) {
            m_path = path;
            // Held until the file is renamed or removed; tells the clean-up that
            // the file is being written. A file system without locks is left to age.
            ::flock(m_descriptor, LOCK_EX | LOCK_NB);
            return Outcome::success();
        }
        if (errno != EEXIST)
            return Failed(errno);
    }
    return Failed(EEXIST);
}

Outcome TemporaryFile::commit(Replace replace)
{
    struct stat info {};
    const qint64 size = ::fstat(m_descriptor, &info) == 0 ? qint64(info.st_size) : 0;
    // A network file system may report a full disk only now.
    if (::fsync(m_descriptor) != 0)
        return Failed(errno, size);
    if (m_path.isEmpty()) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_descriptor);
        for (int attempt = 0; attempt < 100 && m_path.isEmpty(); ++attempt) {
            const QString path = NameBeside(m_folder, m_target);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(path).constData(), AT_SYMLINK_FOLLOW) == 0)
                m_path = path;
            else if (errno != EEXIST)
                return Failed(errno, size);
        }
        if (m_path.isEmpty())
            return Failed(EEXIST, size);
    }
    const QByteArray from = Native(m_path);
    const QByteArray to = Native(m_target);
    const int renamed =
        replace == Replace::Yes ? ::rename(from.constData(), to.constData()) : RenameNoReplace(from, to);
    if (renamed != 0)
        return Failed(errno, size);
    m_committed = true;
    ::close(m_descriptor);
    m_descriptor = -1;
    SyncFolder(m_folder);
    return Outcome::success();
}

void TemporaryFile::discard()
{
    if (!m_committed && !m_path.isEmpty())
        ::unlink(Native(m_path).constData());
    m_path.clear();
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

bool TemporaryFile::isTemporaryName(const QString &fileName)
{
    static const QRegularExpression ours(QStringLiteral("^\\..+\\.halvoran-[A-Za-z0-9]{6}(-journal|-wal|-shm)?$"));
    return ours.match(fileName).hasMatch();
}

int TemporaryFile::removeStale(const QString &folder, qint64 now, const QString &keep)
{
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral(".*") + kMarker + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
    int removed = 0;
    QStringList companions;
    for (const QString &name : names) {
        if (name == keep || !isTemporaryName(name))
            continue;
        if (std::any_of(kCompanions.begin(), kCompanions.end(),
                        [&](const QString &suffix) { return name.endsWith(suffix); })) {
            companions.append(name);
            continue;
        }
        const QByteArray path = Native(dir.filePath(name));
        int fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        const bool known = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
        const qint64 age = now - ModifiedSeconds(info);
        const int locked = ::flock(fd, LOCK_EX | LOCK_NB);
        const bool lockable = locked == 0 || errno == EWOULDBLOCK;
        const bool stale = known && (lockable ? locked == 0 && age >= kGraceSeconds : age >= kUnlockableSeconds);
        if (stale && ::unlink(path.constData()) == 0) {
            ++removed;
            for (const QString &companion : kCompanions)
                ::unlink(Native(dir.filePath(name + companion)).constData());
        }
        ::close(fd);
    }
    for (const QString &name : companions) {
        const QString path = dir.filePath(name);
        const QFileInfo info(path);
        const QString owner = path.left(path.lastIndexOf(QLatin1Char('-')));
        if (info.exists() && !QFileInfo::exists(owner) && now - info.lastModified().toSecsSinceEpoch() >= kGraceSeconds
            && QFile::remove(path))
            ++removed;
    }
    return removed;
}

int TemporaryFile::removeStale(const QString &folder)
{
    return removeStale(folder, QDateTime::currentSecsSinceEpoch());
}
