#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The folder the main window opens with and the entry to pre-select.
struct StartFolder
{
    QString folder;
    // The file name to select; empty when the command line named no image.
    QString wanted;
    // The cleaned command-line path; empty for an empty command line.
    QString commandPath;
};

// commandLine is every argument joined by blanks. An image path opens its
// folder and wants its file; a folder opens itself; anything else opens the
// remembered folder, which is only read when needed.
StartFolder DecideStartFolder(const QString &commandLine,
                              const std::function<QString()> &rememberedFolder);

// What a second start hands over: its arguments joined by blanks, made absolute against the working folder; empty for none.
QString AbsoluteCommandPath(const QStringList &arguments);
