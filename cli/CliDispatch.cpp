#include "cli/CliDispatch.h"

#include "cli/CliCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RenameCommand.h"
#include "cli/UndoCommand.h"

namespace {

// One line per subcommand.
const QList<CliCommand> kCommands{
    {u"info", QT_TRANSLATE_NOOP("CliText", "info DATEI...   die EXIF-Daten der Dateien auflisten"), RunInfo},
    {u"rename", QT_TRANSLATE_NOOP("CliText", "rename [--dry-run] [--file-times] [--freeze \"YYYY:MM:DD HH:MM:SS\"] [--burst] [--shift VERSATZ] [--no-companions] PFAD...   nach EXIF-Zeit umbenennen (VERSATZ: [+|-]HH:MM[:SS])"), RunRename},
    {u"undo", QT_TRANSLATE_NOOP("CliText", "undo [--list | N]   die letzte (oder N-te) Umbenennung rückgängig machen"), RunUndo},
};

}

int RunCli(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.isEmpty()) {
        err << CliText::tr("Kein Befehl angegeben.") << u'\n' << CliUsage(kCommands);
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
    err << (first.startsWith(u'-') ? CliText::tr("Unbekannte Option: %1") : CliText::tr("Unbekannter Befehl: %1")).arg(first)
        << u'\n' << CliUsage(kCommands);
    return 2;
}
