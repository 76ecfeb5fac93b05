#pragma once

#include "services/FileOpResult.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Makes the folders of `relative` ("2024/2024-07-14/") below `base`
// (absolute, ends in a separator) that are not there yet, outermost first.
// `note` hears of each just before it is made, with its absolute path
// ending in a separator (the journal records it, so that undo can remove
// it); a failure it returns is the step's.
FileOpResult MakeFolders(const QString &base, const QString &relative,
                         const std::function<FileOpResult(const QString &folder)> &note);

// Removes the folders a batch made, newest first, each only while it is
// empty; returns those that stay because they hold something.
QStringList RemoveEmptyFolders(const std::vector<QString> &folders);
