#include "cli/InfoCommand.h"

#include "metadata/ExifReader.h"
#include "rename/RenameMessages.h"
#include "services/RegularFile.h"

#include <QLocale>

namespace {

// None yet: a later option is a field here and an entry in Options.
struct InfoSettings
{
};

const std::vector<CliOption<InfoSettings>> Options;

// Numbers for scripts: a point as the decimal separator, whatever the
// locale (the reader follows the default locale, as the window wants it).
class CNumbers
{
public:
    CNumbers() { QLocale::setDefault(QLocale::c()); }
    ~CNumbers() { QLocale::setDefault(previous_); }
    CNumbers(const CNumbers &) = delete;
    CNumbers &operator=(const CNumbers &) = delete;

private:
    const QLocale previous_;
};

} // namespace

const CliSyntax InfoSyntax{"info", QT_TRANSLATE_NOOP("CliText", "DATEI..."),
                           QT_TRANSLATE_NOOP("CliText", "ein Foto oder ein Video"),
                           QT_TRANSLATE_NOOP("CliText", "die EXIF-Daten von Dateien auflisten"),
                           QT_TRANSLATE_NOOP("CliText", "Keine Datei angegeben.")};

int RunInfo(const QStringList &arguments, const CliStreams &io)
{
    const CliCall<InfoSettings> call = ParseCall<InfoSettings>(InfoSyntax, Options, arguments, io);
    if (call.status)
        return *call.status;
    const CNumbers numbers;
    int status = 0;
    ExifReader reader;
    for (const QString &file : call.operands) {
        reader.setImageFile(file);
        io.out << QStringLiteral("== ") << OneLineName(file) << u'\n';
        if (reader.readStatus() == ExifReadStatus::Unreadable) {
            QString reason = RegularFile(file).error().reason();
            if (reason.isEmpty())
                reason = reader.EmptyFile() ? CliText::tr("leere Datei") : CliText::tr("nicht lesbar");
            io.out << CliText::tr("Fehler: %1").arg(reason) << u'\n';
            if (io.copyFailures)
                io.err << OneLineName(file) << QStringLiteral(": ") << reason << Qt::endl;
            status = 1;
            continue;
        }
        QString listing = reader.ListInfo();
        listing.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (!listing.isEmpty() && !listing.endsWith(u'\n'))
            listing += u'\n';
        io.out << listing;
    }
    return status;
}
