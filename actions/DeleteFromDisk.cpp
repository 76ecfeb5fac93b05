#include "actions/DeleteFromDisk.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

FileOpResult DeleteFromDisk(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) == 0)
        return {};
    return {errno};
}
