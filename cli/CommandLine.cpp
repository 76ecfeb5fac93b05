#include "cli/CommandLine.h"

#include <algorithm>

namespace {

// "fotlex-cli rename", or "fotlex-cli" for the program itself.
QString Invocation(const CliSyntax &syntax)
{
    QString text = QStringLiteral("fotlex-cli");
    if (*syntax.name)
        text += u' ' + QLatin1String(syntax.name);
    return text;
}

QString UsageLine(const CliSyntax &syntax)
{
    QString call = Invocation(syntax) + u' ' + CliText::tr("[OPTIONEN]");
    if (*syntax.operands)
        call += u' ' + CliText::tr(syntax.operands);
    return CliText::tr("Aufruf: %1").arg(call);
}

} // namespace

int UsageError(const CliSyntax &syntax, const QString &why, QTextStream &err)
{
    err << why << u'\n' << UsageLine(syntax) << u'\n'
        << CliText::tr("Hilfe: %1 --help").arg(Invocation(syntax)) << Qt::endl;
    return 2;
}

CommandParser::CommandParser(const CliSyntax &syntax) : syntax_(syntax)
{
    // Not addHelpOption(): it adds --help-all, for a GUI's Qt options.
    parser_.addOption({{QStringLiteral("h"), QStringLiteral("help")}, CliText::tr("diese Hilfe anzeigen")});
    if (syntax.operandsHelp)
        parser_.addPositionalArgument(CliText::tr(syntax.operands), CliText::tr(syntax.operandsHelp));
}

void CommandParser::addOption(const QStringList &names, const char *value, const char *help)
{
    options_.append(QCommandLineOption(names, CliText::tr(help), value ? CliText::tr(value) : QString()));
    parser_.addOption(options_.constLast());
}

void CommandParser::stopAtFirstOperand()
{
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

void CommandParser::addHelpSection(const QString &text)
{
    sections_ += u'\n' + text;
}

std::optional<int> CommandParser::parse(const QStringList &args, const CliStreams &io)
{
    // Qt's parser skips the first word, the program's name.
    if (!parser_.parse(QStringList{QStringLiteral("fotlex-cli")} + args))
        return UsageError(syntax_, parser_.errorText(), io.err);
    if (parser_.isSet(QStringLiteral("help"))) {
        io.out << helpText();
        return 0;
    }
    if (syntax_.noOperand && operands().isEmpty())
        return UsageError(syntax_, CliText::tr(syntax_.noOperand), io.err);
    return std::nullopt;
}

std::vector<std::pair<qsizetype, QString>> CommandParser::given() const
{
    std::vector<std::pair<qsizetype, QString>> given;
    std::vector<qsizetype> valuesTaken(size_t(options_.size()));
    for (const QString &name : parser_.optionNames()) {
        const auto option = std::find_if(options_.begin(), options_.end(), [&](const QCommandLineOption &o) {
            return o.names().contains(name);
        });
        if (option == options_.end())
            continue; // --help
        const qsizetype index = option - options_.begin();
        given.emplace_back(index, option->valueName().isEmpty()
                                      ? QString()
                                      : parser_.values(*option).value(valuesTaken[size_t(index)]++));
    }
    return given;
}

int CommandParser::invalidValue(qsizetype index, const QString &value, QTextStream &err) const
{
    const QCommandLineOption &option = options_.at(index);
    return UsageError(syntax_,
                      CliText::tr("Ungültiger Wert für --%1: \"%2\" (erwartet %3)")
                          .arg(option.names().constLast(), value, option.valueName()),
                      err);
}

QString CommandParser::helpText() const
{
    // Qt's usage line names the program but not the command: ours instead.
    const QString qt = parser_.helpText();
    return UsageLine(syntax_) + u'\n' + CliText::tr(syntax_.summary) + u'\n' + sections_
        + qt.mid(qt.indexOf(u'\n') + 1);
}
