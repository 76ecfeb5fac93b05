#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QUrl>

// Writes `content` to `path`; returns the path.
QString WriteFile(const QString &path, const QByteArray &content = {});
// Empty for a missing file.
QByteArray ReadFile(const QString &path);
// Copies a sample photo into `folder` under `name` (writable); returns its path.
QString CopyPhoto(const QString &photo, const QString &folder, const QString &name);
// Writes a grey JPEG of the given size; returns its path.
QString WriteJpeg(const QString &path, int width, int height);
void SetModified(const QString &path, const QDateTime &time);

// Stands in for the desktop's "open" while it lives: records the URLs.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    OpenedUrls();
    ~OpenedUrls() override;
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};
