#include "cli/CliCommand.h"

QString CliUsage(const QList<CliCommand> &commands)
{
    QString text = QStringLiteral("Aufruf: fotlex-cli BEFEHL [ARGUMENTE...]\n\nBefehle:\n");
    for (const CliCommand &command : commands)
        text += QStringLiteral("  ") + command.usage.toString() + u'\n';
    text += QStringLiteral("\nOptionen:\n"
                           "  --help     diese Hilfe anzeigen\n"
                           "  --version  die Versionsnummer anzeigen\n");
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
