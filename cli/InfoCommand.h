#pragma once

#include <QStringList>
#include <QTextStream>

// fotlex-cli info FILE...: "== FILE", then the reader's tag list of each file.
// Exit status 1 when a file could not be read; the others are still listed.
int RunInfo(const QStringList &args, QTextStream &out, QTextStream &err);
