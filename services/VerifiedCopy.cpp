#include "services/VerifiedCopy.h"

#include "services/SafeRename.h"

#include <QFile>

#include <xxhash.h>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t BlockSize = size_t(1) << 20;

class Fd
{
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

struct Hasher
{
    Hasher() : state(XXH3_createState(), &XXH3_freeState) { XXH3_64bits_reset(state.get()); }
    void add(const char *bytes, size_t size) { XXH3_64bits_update(state.get(), bytes, size); }
    uint64_t value() const { return XXH3_64bits_digest(state.get()); }
    std::unique_ptr<XXH3_state_t, XXH_errorcode (*)(XXH3_state_t *)> state;
};

// Reads `fd` from its start to its end into the hash; `copyTo` >= 0 gets
// every block written too (at the same offset); `copied` hears of each
// block. Returns 0 or errno.
int HashThrough(int fd, Hasher &hash, int copyTo, std::unique_ptr<char[]> &buffer,
                const std::function<void(qint64)> &copied = {})
{
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, buffer.get(), BlockSize, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        hash.add(buffer.get(), size_t(got));
        for (ssize_t written = 0; copyTo >= 0 && written < got;) {
            const ssize_t step = ::pwrite(copyTo, buffer.get() + written, size_t(got - written), offset + written);
            if (step < 0 && errno == EINTR)
                continue;
            if (step <= 0)
                return step < 0 ? errno : EIO;
            written += step;
        }
        // Start the block's way to the disk now, so that the fsync at the
        // end waits for little more than the last one.
        if (copyTo >= 0)
            ::sync_file_range(copyTo, offset, got, SYNC_FILE_RANGE_WRITE);
        offset += got;
        if (copied)
            copied(got);
    }
}

// The file's pages leave the cache once on disk, so that the next read
// comes from the disk itself.
uint64_t HashFromDisk(int fd, int &error, std::unique_ptr<char[]> &buffer)
{
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    Hasher hash;
    error = HashThrough(fd, hash, -1, buffer);
    return hash.value();
}

int SyncFolder(const QByteArray &folder)
{
    const Fd fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    return ::fsync(fd.get()) == 0 ? 0 : errno;
}

// The copy while it is made: an unnamed file in the target's folder, or a
// temporary name there that goes again unless it is linked into place.
class PendingCopy
{
public:
    PendingCopy(const QByteArray &folder, const QString &target, const CopyOptions &options, int &error)
    {
        fd_ = ::openat(AT_FDCWD, folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            return;
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            error = errno;
            return;
        }
        // The name starts with a dot, so that a folder listing hides it.
        const qsizetype slash = target.lastIndexOf(u'/');
        temporary_ = target.left(slash + 1) + QString::fromUtf16(kTemporaryCopyPrefix) + target.mid(slash + 1);
        if (options.noteTemporary) {
            if (const FileOpResult noted = options.noteTemporary(temporary_); !noted.ok()) {
                error = noted.error;
                temporary_.clear();
                return;
            }
        }
        fd_ = ::open(QFile::encodeName(temporary_).constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            error = errno;
            temporary_.clear();
        }
    }
    ~PendingCopy()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!temporary_.isEmpty())
            ::unlink(QFile::encodeName(temporary_).constData());
    }
    PendingCopy(const PendingCopy &) = delete;
    PendingCopy &operator=(const PendingCopy &) = delete;

    int fd() const { return fd_; }

    // Gives the copy its name; never replaces a file there.
    int place(const QString &target)
    {
        const QByteArray to = QFile::encodeName(target);
        // link() never replaces; a kill before the temporary name's unlink
        // leaves one file under two names, of which the journaled one goes.
        if (!temporary_.isEmpty())
            return ::link(QFile::encodeName(temporary_).constData(), to.constData()) == 0 ? 0 : errno;
        const QByteArray own = "/proc/self/fd/" + QByteArray::number(fd_);
        if (::linkat(AT_FDCWD, own.constData(), AT_FDCWD, to.constData(), AT_SYMLINK_FOLLOW) == 0)
            return 0;
        const int error = errno;
        // Without /proc, a privileged process can still link by descriptor.
        if (error == ENOENT && ::linkat(fd_, "", AT_FDCWD, to.constData(), AT_EMPTY_PATH) == 0)
            return 0;
        return error;
    }

private:
    int fd_ = -1;
    QString temporary_;
};

} // namespace

uint64_t ContentHash(const QString &path, FileOpResult &error)
{
    const Fd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error = {errno};
        return 0;
    }
    auto buffer = std::make_unique<char[]>(BlockSize);
    const uint64_t hash = HashFromDisk(fd.get(), error.error, buffer);
    return error.ok() ? hash : 0;
}

CopyResult VerifiedCopy(const QString &source, const QString &target, const CopyOptions &options)
{
    CopyResult result;
    const Fd in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (in.get() < 0 || ::fstat(in.get(), &status) != 0) {
        result.system = {errno};
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.system = {FileOpResult::NotRegularFile};
        return result;
    }
    const qsizetype slash = target.lastIndexOf(u'/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : QFile::encodeName(target.left(slash + 1));
    PendingCopy copy(folder, target, options, result.system.error);
    if (!result.system.ok())
        return result;
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    auto buffer = std::make_unique<char[]>(BlockSize);
    Hasher sourceHash;
    // A reflink shares the blocks; the source is still read for its hash.
    const bool cloned = options.reflink && ::ioctl(copy.fd(), FICLONE, in.get()) == 0;
    if (const int error = HashThrough(in.get(), sourceHash, cloned ? -1 : copy.fd(), buffer, options.copied)) {
        result.system = {error};
        return result;
    }
    if (options.keepTimes) {
        const struct timespec times[2] = {status.st_atim, status.st_mtim};
        if (::futimens(copy.fd(), times) != 0) {
            result.system = {errno};
            return result;
        }
    }
    if (::fsync(copy.fd()) != 0) {
        result.system = {errno};
        return result;
    }
    int error = 0;
    const uint64_t written = HashFromDisk(copy.fd(), error, buffer);
    result.system = {error};
    result.mismatch = error == 0 && written != sourceHash.value();
    if (!result.ok())
        return result;
    if (const int placed = copy.place(target); placed != 0) {
        result.system = {placed};
        return result;
    }
    result.hash = written;
    // The new name on disk too; a failure here leaves a copy whose name
    // may not survive a crash, so it is reported (the copy stays).
    result.system = {SyncFolder(folder)};
    return result;
}

CopyResult VerifiedMove(const QString &source, const QString &target, const CopyOptions &options)
{
    CopyResult result;
    result.system = SafeRename(source, target, options.beforeLink);
    if (result.system.ok()) {
        result.sourceKept = false;
        return result;
    }
    if (result.system.error != EXDEV)
        return result;
    result = VerifiedCopy(source, target, options);
    if (!result.ok())
        return result;
    if (::unlink(QFile::encodeName(source).constData()) != 0) {
        result.system = {errno};
        return result;
    }
    result.sourceKept = false;
    const qsizetype slash = source.lastIndexOf(u'/');
    result.system = {SyncFolder(slash < 0 ? QByteArray(".") : QFile::encodeName(source.left(slash + 1)))};
    return result;
}

FileOpResult RemoveCopy(const QString &copy)
{
    return ::unlink(QFile::encodeName(copy).constData()) == 0 ? FileOpResult{} : FileOpResult{errno};
}
