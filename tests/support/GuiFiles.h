#pragma once

#include "TestFiles.h"

#include <QStringList>
#include <QTemporaryDir>

// Test files and stand-ins that need Qt Gui.

// Writes a grey JPEG of the given size; returns its path.
QString WriteJpeg(const QString &path, int width, int height);

// Stands in for the desktop's opener while it lives: a script that notes
// each path it is handed.
class OpenedUrls
{
public:
    OpenedUrls();
    ~OpenedUrls();
    // The paths opened so far, once `expected` of them have come (or after
    // five seconds); with 0 expected, after a short wait for any stray one.
    QStringList paths(int expected);

private:
    QTemporaryDir dir_;
};
