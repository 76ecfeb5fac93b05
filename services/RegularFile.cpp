#include "services/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile::RegularFile(const QString &path)
{
    if (path.isEmpty()) {
        m_error = {ENOENT};
        return;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_error = {errno};
        return;
    }
    if (::fstat(fd, &m_status) != 0 || !S_ISREG(m_status.st_mode)) {
        m_error = {S_ISDIR(m_status.st_mode) ? EISDIR : FileOpResult::NotRegularFile};
        ::close(fd);
        return;
    }
    // O_NONBLOCK stays set: it changes nothing for a regular file, and
    // clearing it would cost two calls on every file of a batch.
    m_fd = fd;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int RegularFile::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::optional<QByteArray> ReadAt(int fd, qint64 pos, qint64 n)
{
    QByteArray bytes(n, Qt::Uninitialized);
    qint64 got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd, bytes.data() + got, size_t(n - got), off_t(pos + got));
        if (r == 0)
            break;
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        got += r;
    }
    bytes.truncate(got);
    return bytes;
}

FileOpResult WriteAll(int fd, const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t wrote = ::write(fd, data + done, size_t(size - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return {errno};
        done += wrote;
    }
    return {};
}
