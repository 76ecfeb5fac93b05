#include "cli/Output.h"

#include "cli/CliText.h"
#include "services/RegularFile.h"

#include <cerrno>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

FdOutput::FdOutput(int fd) : fd_(fd)
{
    struct stat status {};
    pipe_ = ::fstat(fd, &status) == 0 && S_ISFIFO(status.st_mode);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool FdOutput::readerGone() const
{
    // The write end of a pipe without a reader polls as an error.
    pollfd poll {fd_, 0, 0};
    return pipe_ && ::poll(&poll, 1, 0) == 1 && (poll.revents & POLLERR) != 0;
}

qint64 FdOutput::writeData(const char *data, qint64 size)
{
    const FileOpResult written = WriteAll(fd_, data, size);
    if (!written.ok()) {
        setErrorString(written.reason());
        return -1;
    }
    return size;
}

QString OutputFailure(const QTextStream &out)
{
    if (out.status() == QTextStream::Ok)
        return {};
    const QString reason = out.device() ? out.device()->errorString() : QString();
    return reason.isEmpty() ? CliText::tr("unbekannter Fehler") : reason;
}

QString OutputFailureAhead(const QTextStream &out)
{
    const auto *output = dynamic_cast<const FdOutput *>(out.device());
    if (output && output->readerGone())
        return FileOpResult{EPIPE}.reason();
    return OutputFailure(out);
}

QString RenameStoppedText(const QString &reason, int renamed)
{
    return CliText::tr("abgebrochen: Ausgabe nicht mehr schreibbar (%1), %2 umbenannt; "
                       "fotlex-cli undo nimmt sie zurück")
        .arg(reason)
        .arg(renamed);
}

QString RenameInterruptedText(const QString &summary)
{
    return CliText::tr("abgebrochen (Strg+C) nach der Datei in Arbeit: %1; fotlex-cli undo nimmt es zurück")
        .arg(summary);
}

QString OutputLostText(const QString &reason)
{
    return CliText::tr("fotlex-cli: Ausgabe nicht geschrieben (%1)").arg(reason);
}
