#pragma once

#include "services/SafeRename.h"

#include <QString>

// Deletes the file for good (no trash). Folders are refused.
FileOpResult DeleteFromDisk(const QString &path);
