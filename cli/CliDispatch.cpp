#include "cli/CliDispatch.h"

#include "cli/CommandLine.h"
#include "cli/InfoCommand.h"
#include "cli/Output.h"
#include "cli/RenameCommand.h"
#include "cli/UndoCommand.h"

namespace {

struct CliCommand
{
    const CliSyntax &syntax;
    int (*run)(const QStringList &arguments, const CliStreams &io);
};

const CliCommand Commands[] = {
    {InfoSyntax, RunInfo},
    {RenameSyntax, RunRename},
    {UndoSyntax, RunUndo},
};

const CliSyntax ProgramSyntax{"", QT_TRANSLATE_NOOP("CliText", "BEFEHL [ARGUMENTE...]"), nullptr,
                              QT_TRANSLATE_NOOP("CliText", "Fotos nach ihrer Aufnahmezeit umbenennen, das rückgängig "
                                                           "machen, EXIF-Daten zeigen")};

// "Befehle:" and a line per command, its name and what it does.
QString CommandList()
{
    QString text = CliText::tr("Befehle:") + u'\n';
    for (const CliCommand &command : Commands) {
        text += QStringLiteral("  %1  ").arg(QLatin1String(command.syntax.name), -6)
            + CliText::tr(command.syntax.summary) + u'\n';
    }
    return text + CliText::tr("Die Optionen eines Befehls zeigt fotlex-cli BEFEHL --help.") + u'\n';
}

int Dispatch(const QStringList &args, const CliStreams &io)
{
    CommandParser parser(ProgramSyntax);
    parser.addOption({QStringLiteral("version")}, nullptr, QT_TRANSLATE_NOOP("CliText", "die Versionsnummer anzeigen"));
    parser.stopAtFirstOperand();
    parser.addHelpSection(CommandList());
    if (const std::optional<int> status = parser.parse(args, io))
        return *status;
    if (!parser.given().empty()) {
        io.out << QStringLiteral("fotlex-cli ") << QStringLiteral(FOTLEX_VERSION) << u'\n';
        return 0;
    }
    const QStringList operands = parser.operands();
    if (operands.isEmpty())
        return UsageError(ProgramSyntax, CliText::tr("Kein Befehl angegeben."), io.err);
    for (const CliCommand &command : Commands) {
        if (operands.first() == QLatin1String(command.syntax.name))
            return command.run(operands.mid(1), io);
    }
    return UsageError(ProgramSyntax, CliText::tr("Unbekannter Befehl: %1").arg(operands.first()), io.err);
}

} // namespace

int RunCli(const QStringList &args, const CliStreams &io)
{
    const int status = Dispatch(args, io);
    // Output that never arrived is a failure, of --help as of a rename.
    io.out.flush();
    const QString failure = OutputFailure(io.out);
    if (failure.isEmpty())
        return status;
    io.err << OutputLostText(failure) << Qt::endl;
    return status == 0 ? 1 : status;
}
