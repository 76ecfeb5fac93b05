#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace {

struct CommandLineText
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineText)
};

}

CommandLine ParseCommandLine(const QStringList &arguments, const QString &workingFolder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLineText::tr("Zeigt die Fotos eines Ordners und benennt sie nach ihrer Aufnahmezeit um."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(CommandLineText::tr("PFAD"),
                                 CommandLineText::tr("Ein Ordner, der geöffnet wird, oder Fotos, die darin "
                                                     "ausgewählt werden."),
                                 CommandLineText::tr("[PFAD...]"));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.exitStatus = 2;
        line.text = parser.errorText() + u'\n' + parser.helpText();
    } else if (parser.isSet(help)) {
        line.exitStatus = 0;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.exitStatus = 0;
        line.text = QStringLiteral("fotlex %1\n").arg(QStringLiteral(FOTLEX_VERSION));
    }
    const QDir working(workingFolder);
    for (const QString &path : parser.positionalArguments())
        line.paths << QDir::cleanPath(working.absoluteFilePath(path));
    return line;
}
