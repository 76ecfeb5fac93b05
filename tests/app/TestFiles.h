#pragma once

#include <QDateTime>
#include <QString>

// Copies a sample photo into `folder` under `name` (writable); returns its path.
QString CopyPhoto(const QString &photo, const QString &folder, const QString &name);
// Writes a grey JPEG of the given size; returns its path.
QString WriteJpeg(const QString &path, int width, int height);
// Writes a file of `size` zero bytes; returns its path.
QString WriteBytes(const QString &path, qint64 size);
void SetModified(const QString &path, const QDateTime &time);
