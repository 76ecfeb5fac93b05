#include "TestPhotos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

void Put16(QByteArray &b, int v)
{
    b.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}

void Put32(QByteArray &b, quint32 v)
{
    Put16(b, int(v & 0xffff));
    Put16(b, int(v >> 16));
}

// Little-endian TIFF: IFD0 with one entry pointing to the Exif directory,
// which holds one entry, DateTimeOriginal (0x9003, ASCII).
//   0 "II" 42 8 | 8 IFD0: 1 entry, next 0 | 26 Exif IFD: 1 entry, next 0 | 44 text
QByteArray Tiff(const QByteArray &text)
{
    QByteArray t("II");
    Put16(t, 42);
    Put32(t, 8);
    Put16(t, 1);
    Put16(t, 0x8769);
    Put16(t, 4);
    Put32(t, 1);
    Put32(t, 26);
    Put32(t, 0);
    const quint32 count = quint32(text.size() + 1);
    Put16(t, 1);
    Put16(t, 0x9003);
    Put16(t, 2);
    Put32(t, count);
    QByteArray value = text + '\0';
    if (count <= 4) {
        t.append(value.leftJustified(4, '\0'));
        Put32(t, 0);
    } else {
        Put32(t, 44);
        Put32(t, 0);
        t.append(value);
    }
    return t;
}

} // namespace

void WriteExifJpeg(const QString &path, const std::optional<QByteArray> &dateTimeOriginal,
                   const QByteArray &payload)
{
    QByteArray jpeg("\xff\xd8", 2);
    if (dateTimeOriginal) {
        const QByteArray body = QByteArray("Exif\0\0", 6) + Tiff(*dateTimeOriginal);
        jpeg.append("\xff\xe1", 2);
        const int length = int(body.size()) + 2;
        jpeg.append(char(length >> 8)).append(char(length & 0xff));
        jpeg.append(body);
    }
    QByteArray comment = "fotlex test " + payload;
    jpeg.append("\xff\xfe", 2);
    jpeg.append(char((comment.size() + 2) >> 8)).append(char((comment.size() + 2) & 0xff));
    jpeg.append(comment);
    jpeg.append("\xff\xd9", 2);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(jpeg);
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

bool SameFilesRenamed(const QMap<QString, QByteArray> &before,
                      const QMap<QString, QByteArray> &after)
{
    std::vector<QByteArray> a(before.begin(), before.end());
    std::vector<QByteArray> b(after.begin(), after.end());
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// Root passes every permission test through CAP_DAC_OVERRIDE; taking it out
// of this thread's effective set makes a read-only folder refuse as it does
// for a user.
PermissionsEnforced::PermissionsEnforced()
{
    if (::geteuid() != 0)
        return;
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return;
    data[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
    data[0].effective &= ~(1u << CAP_DAC_READ_SEARCH);
    data[0].effective &= ~(1u << CAP_FOWNER);
    dropped_ = ::syscall(SYS_capset, &header, data) == 0;
}

PermissionsEnforced::~PermissionsEnforced()
{
    if (!dropped_)
        return;
    __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return;
    data[0].effective |= data[0].permitted
        & ((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    ::syscall(SYS_capset, &header, data);
}
