#include "cli/CliDispatch.h"

#include "cli/CliCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RenameCommand.h"
#include "cli/UndoCommand.h"

namespace {

// One line per subcommand.
const QList<CliCommand> kCommands{
    {u"info", u"info DATEI...   die EXIF-Daten der Dateien auflisten", RunInfo},
    {u"rename", u"rename [--dry-run] [--file-times] [--freeze \"YYYY:MM:DD HH:MM:SS\"] [--burst] [--shift VERSATZ] [--no-companions] PFAD...   nach EXIF-Zeit umbenennen (VERSATZ: [+|-]HH:MM[:SS])", RunRename},
    {u"undo", u"undo [--list | N]   die letzte (oder N-te) Umbenennung rückgängig machen", RunUndo},
};

}

int RunCli(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty()) {
        err << QStringLiteral("Kein Befehl angegeben.\n") << CliUsage(kCommands);
        return 2;
    }
    const QString &first = args.first();
    if (first == u"--help" || first == u"-h") {
        out << CliUsage(kCommands);
        return 0;
    }
    if (first == u"--version") {
        out << QStringLiteral("fotlex-cli ") << QStringLiteral(FOTLEX_VERSION) << u'\n';
        return 0;
    }
    for (const CliCommand &command : kCommands) {
        if (first == command.name)
            return command.run(args.mid(1), out, err);
    }
    err << (first.startsWith(u'-') ? QStringLiteral("Unbekannte Option: ") : QStringLiteral("Unbekannter Befehl: "))
        << first << u'\n'
        << CliUsage(kCommands);
    return 2;
}
