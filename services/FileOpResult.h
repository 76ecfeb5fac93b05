#pragma once

#include <QCoreApplication>
#include <QString>

// The result of a file operation: 0 or the system's error number, or
// NotRegularFile for a path that names a FIFO, a device or a socket.
struct FileOpResult
{
    Q_DECLARE_TR_FUNCTIONS(FileOpResult)

public:
    static constexpr int NotRegularFile = -1;

    int error = 0;
    bool ok() const { return error == 0; }
    // The reason for the user, translated, for the errors users meet; rarer
    // ones keep the system's own text.
    QString reason() const;
};
