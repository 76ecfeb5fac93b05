#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/stat.h>

// Small helpers for tests that work on real files in temporary folders.

inline bool WriteBytes(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A file's bytes, or "<fehlt>" when it cannot be read.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<fehlt>");
}

inline void SetMode(const QString &path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// A temporary folder that a child process without root's rights may enter.
struct OpenTemporaryDir : QTemporaryDir
{
    OpenTemporaryDir() { SetMode(path(), 0777); }
};
