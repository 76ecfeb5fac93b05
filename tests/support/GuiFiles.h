#pragma once

#include "TestFiles.h"

#include <QList>
#include <QObject>
#include <QUrl>

// Test files and stand-ins that need Qt Gui.

// Writes a grey JPEG of the given size; returns its path.
QString WriteJpeg(const QString &path, int width, int height);

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
