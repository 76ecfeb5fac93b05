#pragma once

#include "QtPrinters.h"

#include <QByteArray>
#include <QDateTime>
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

// Writes `content` to `path`, failing the test when it cannot; returns the path.
QString WriteFile(const QString &path, const QByteArray &content = {});
// Copies a sample photo into `folder` under `name` (writable); returns its path.
QString CopyPhoto(const QString &photo, const QString &folder, const QString &name);
void SetModified(const QString &path, const QDateTime &time);
