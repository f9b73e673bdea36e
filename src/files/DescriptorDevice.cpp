#include "files/DescriptorDevice.h"

#include <QLocale>

#include <cerrno>
#include <cstring>
#include <unistd.h>

DescriptorDevice::DescriptorDevice(int descriptor) : m_descriptor(descriptor)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 DescriptorDevice::writeData(const char *data, qint64 length)
{
    if (m_failure != 0)
        return -1;
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::write(m_descriptor, data + done, size_t(length - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A write that takes nothing without an error has found no room.
            m_failure = n < 0 ? errno : ENOSPC;
            setErrorString(describe(m_failure, m_written));
            return -1;
        }
        done += n;
        m_written += n;
    }
    return done;
}

QString DescriptorDevice::describe(int error, qint64 written)
{
    const QString bytes = QLocale(QLocale::English).toString(written);
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full (there was no room after %1 bytes)").arg(bytes);
    case EDQUOT:
        return QStringLiteral("the disk quota is used up (there was no room after %1 bytes)").arg(bytes);
    case EFBIG:
        return QStringLiteral("the file is larger than its file system allows (after %1 bytes)").arg(bytes);
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}
