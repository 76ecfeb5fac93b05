#include "cli/InfoCommand.h"

#include "cli/CliCommand.h"
#include "metadata/ExifReader.h"
#include "rename/RenameMessages.h"
#include "services/RegularFile.h"

int RunInfo(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const CliOperands split = SplitOperands(args);
    if (!split.unknownOption.isEmpty()) {
        err << QStringLiteral("Unbekannte Option: ") << split.unknownOption << u'\n'
            << QStringLiteral("Aufruf: fotlex-cli info DATEI...\n");
        return 2;
    }
    if (split.operands.isEmpty()) {
        err << QStringLiteral("Keine Datei angegeben.\nAufruf: fotlex-cli info DATEI...\n");
        return 2;
    }
    int status = 0;
    ExifReader reader;
    for (const QString &file : split.operands) {
        reader.setImageFile(file);
        QString listing = reader.ListInfo();
        listing.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (!listing.isEmpty() && !listing.endsWith(u'\n'))
            listing += u'\n';
        out << QStringLiteral("== ") << OneLineName(file) << u'\n' << listing;
        if (reader.readStatus() == ExifReadStatus::Unreadable) {
            const QString reason = RegularFile(file).error().reason();
            err << OneLineName(file) << QStringLiteral(": ")
                << (reason.isEmpty() ? QStringLiteral("nicht lesbar") : reason) << u'\n';
            status = 1;
        }
    }
    return status;
}
