#include "TestPhotos.h"

#include "ExifBuilder.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

// Trailing bytes after the end of the image tell files of the same time apart.
void WriteExifJpeg(const QString &path, const std::optional<QByteArray> &dateTimeOriginal,
                   const QByteArray &payload, const QByteArray &subSeconds, const QByteArray &model)
{
    ExifBuilder exif(true);
    if (!model.isEmpty())
        exif.ascii(ExifBuilder::Ifd0, 272, model);
    if (dateTimeOriginal) {
        exif.ascii(ExifBuilder::Exif, 36867, *dateTimeOriginal);
        if (!subSeconds.isEmpty())
            exif.ascii(ExifBuilder::Exif, 37521, subSeconds);
    }
    const QByteArray jpeg = dateTimeOriginal ? exif.jpeg() : QByteArray("\xff\xd8\xff\xd9", 4);
    WriteBytes(path, jpeg + "fotlex test " + payload);
}

QMap<QString, QByteArray> FolderContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(dir.filePath(name));
        // A FIFO among the files stands as what it is; opening it would block.
        if (!QFileInfo(file).isFile())
            contents.insert(name, "<fifo>");
        else
            contents.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
    }
    return contents;
}

QMap<QString, std::pair<QByteArray, qint64>> FolderState(const QString &folder)
{
    QMap<QString, std::pair<QByteArray, qint64>> entries;
    const QMap<QString, QByteArray> contents = FolderContents(folder);
    for (auto it = contents.begin(); it != contents.end(); ++it) {
        struct stat st {};
        ::lstat(QFile::encodeName(folder + '/' + it.key()).constData(), &st);
        entries[it.key()] = {it.value(), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    }
    return entries;
}

bool SameFilesRenamed(const QMap<QString, QByteArray> &before,
                      const QMap<QString, QByteArray> &after)
{
    std::vector<QByteArray> a(before.begin(), before.end());
    std::vector<QByteArray> b(after.begin(), after.end());
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

namespace {

constexpr uint32_t Overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// Root passes every permission test through these capabilities; taking them
// out of this thread's effective set (or back in from its permitted set)
// makes a read-only folder refuse as it does for a user.
bool SetOverrides(bool on)
{
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    data[0].effective = on ? data[0].effective | (data[0].permitted & Overrides) : data[0].effective & ~Overrides;
    return ::syscall(SYS_capset, &header, data) == 0;
}

} // namespace

PermissionsEnforced::PermissionsEnforced() : dropped_(::geteuid() == 0 && SetOverrides(false)) {}

PermissionsEnforced::~PermissionsEnforced()
{
    if (dropped_)
        SetOverrides(true);
}
