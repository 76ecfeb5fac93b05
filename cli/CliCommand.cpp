#include "cli/CliCommand.h"

QString CliUsage(const QList<CliCommand> &commands)
{
    QString text = CliText::tr("Aufruf: fotlex-cli BEFEHL [ARGUMENTE...]") + QStringLiteral("\n\n")
                   + CliText::tr("Befehle:") + u'\n';
    for (const CliCommand &command : commands)
        text += QStringLiteral("  ") + CliText::tr(command.usage) + u'\n';
    text += u'\n' + CliText::tr("Optionen:") + u'\n';
    text += QStringLiteral("  ") + CliText::tr("--help     diese Hilfe anzeigen") + u'\n';
    text += QStringLiteral("  ") + CliText::tr("--version  die Versionsnummer anzeigen") + u'\n';
    return text;
}

CliOperands SplitOperands(const QStringList &args)
{
    CliOperands result;
    bool optionsEnded = false;
    for (const QString &arg : args) {
        if (!optionsEnded && arg == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.startsWith(u'-') && arg.size() > 1) {
            if (result.unknownOption.isEmpty())
                result.unknownOption = arg;
        } else {
            result.operands << arg;
        }
    }
    return result;
}
