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
// which holds DateTimeOriginal (0x9003) and, when given, SubSecTimeOriginal
// (0x9291), both ASCII, their texts after the directory.
//   0 "II" 42 8 | 8 IFD0: 1 entry, next 0 | 26 Exif IFD: n entries, next 0 | texts
QByteArray Tiff(const QByteArray &text, const QByteArray &subSeconds)
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
    QList<QPair<int, QByteArray>> entries = {{0x9003, text}};
    if (!subSeconds.isEmpty())
        entries.append({0x9291, subSeconds});
    quint32 data = quint32(26 + 2 + 12 * entries.size() + 4);
    QByteArray values;
    Put16(t, int(entries.size()));
    for (const auto &[id, value] : entries) {
        const QByteArray bytes = value + '\0';
        Put16(t, id);
        Put16(t, 2);
        Put32(t, quint32(bytes.size()));
        if (bytes.size() <= 4) {
            t.append(bytes.leftJustified(4, '\0'));
        } else {
            Put32(t, data + quint32(values.size()));
            values.append(bytes);
        }
    }
    Put32(t, 0);
    return t + values;
}

} // namespace

void WriteExifJpeg(const QString &path, const std::optional<QByteArray> &dateTimeOriginal,
                   const QByteArray &payload, const QByteArray &subSeconds)
{
    QByteArray jpeg("\xff\xd8", 2);
    if (dateTimeOriginal) {
        const QByteArray body = QByteArray("Exif\0\0", 6) + Tiff(*dateTimeOriginal, subSeconds);
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
