#include "cli/InfoCommand.h"

#include "cli/InfoJson.h"
#include "metadata/ExifReader.h"
#include "metadata/ReaderTexts.h"
#include "rename/RenameMessages.h"
#include "services/RegularFile.h"

#include <QJsonDocument>
#include <QLocale>

namespace {

struct InfoSettings
{
    bool json = false;
};

const std::vector<CliOption<InfoSettings>> Options = {
    {{QStringLiteral("json")}, nullptr,
     QT_TRANSLATE_NOOP("CliText", "ein JSON-Array ausgeben, ein Objekt je Datei, für Skripte"),
     [](InfoSettings &s, const QString &) {
         s.json = true;
         return true;
     }},
};

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

// Why a file the reader could not read is unreadable.
QString UnreadableReason(const QString &file, const ExifReader &reader)
{
    const QString reason = RegularFile(file).error().reason();
    if (!reason.isEmpty())
        return reason;
    return reader.EmptyFile() ? CliText::tr("leere Datei") : CliText::tr("nicht lesbar");
}

// "== FILE", the tag list and the summary, or the reason it is unreadable.
void WriteText(QTextStream &out, const QString &file, const ExifReader &reader, const QString &unreadable)
{
    out << QStringLiteral("== ") << OneLineName(file) << u'\n';
    if (!unreadable.isEmpty()) {
        out << CliText::tr("Fehler: %1").arg(unreadable) << u'\n';
        return;
    }
    QString listing = reader.ListInfo();
    listing.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!listing.isEmpty() && !listing.endsWith(u'\n'))
        listing += u'\n';
    out << listing << u'\n' << ReaderTexts::SummaryLines(reader.Summary(), reader.ImageSize(), QLocale());
}

void WriteJson(QTextStream &out, const QString &file, const ExifReader &reader, const QString &unreadable, bool first)
{
    const QJsonObject object = unreadable.isEmpty() ? InfoObject(file, reader) : InfoErrorObject(file, unreadable);
    out << (first ? "[\n" : ",\n") << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

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
    bool first = true;
    for (const QString &file : call.operands) {
        reader.setImageFile(file);
        const QString unreadable = reader.readStatus() == ExifReadStatus::Unreadable ? UnreadableReason(file, reader) : QString();
        if (!unreadable.isEmpty()) {
            if (io.copyFailures)
                io.err << OneLineName(file) << QStringLiteral(": ") << unreadable << Qt::endl;
            status = 1;
        }
        if (call.settings.json)
            WriteJson(io.out, file, reader, unreadable, first);
        else
            WriteText(io.out, file, reader, unreadable);
        // Each file goes out as it is read; a reader that went away (a
        // closed pipe) ends the run.
        io.out.flush();
        if (io.out.status() != QTextStream::Ok)
            return 1;
        first = false;
    }
    if (call.settings.json)
        io.out << "\n]\n";
    return status;
}
