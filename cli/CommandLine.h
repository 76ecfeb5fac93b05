#pragma once

#include "cli/CliStreams.h"
#include "cli/CliText.h"

#include <QCommandLineParser>
#include <QStringList>

#include <optional>
#include <span>
#include <utility>
#include <vector>

// What the help and the usage line say of a command. The texts are marked
// with QT_TRANSLATE_NOOP("CliText", ...) and translated when shown.
struct CliSyntax
{
    const char *name;         // "rename"; empty for the program itself
    const char *operands;     // "PFAD...", as the usage line shows them
    const char *operandsHelp; // what an operand is; nullptr: not listed
    const char *summary;      // what the command does, one line
    const char *noOperand = nullptr; // the usage error without an operand; nullptr: none needed
};

// Writes `why`, the command's usage line and where its help is to `err`;
// returns 2, the exit status of a wrong call.
int UsageError(const CliSyntax &syntax, const QString &why, QTextStream &err);

// The parser of one command's arguments, around QCommandLineParser: options
// anywhere, "--opt value" and "--opt=value", "--" ends the options, a lone
// "-" is an operand; -h and --help are its own. Texts as in CliSyntax.
class CommandParser
{
public:
    explicit CommandParser(const CliSyntax &syntax);

    // `names`: a letter first if the option has one, its long name last.
    // `value`: the name of its value; nullptr for a switch.
    void addOption(const QStringList &names, const char *value, const char *help);
    // Everything from the first operand on is an operand: the program's
    // parser hands a command's own arguments on untouched.
    void stopAtFirstOperand();
    // A section of the help between the summary and the options.
    void addHelpSection(const QString &text);

    // Parses the arguments (those after the command's name). Writes the help
    // to `out` or a usage error to `err` (also for a missing operand) and
    // returns the exit status when the command is not to run.
    std::optional<int> parse(const QStringList &args, const CliStreams &io);

    // The options given, in the order given, as the index of their
    // addOption() and their value (empty for a switch): a later one
    // overrides an earlier one.
    std::vector<std::pair<qsizetype, QString>> given() const;
    QStringList operands() const { return parser_.positionalArguments(); }

    // A usage error for a value the option at `index` does not take.
    int invalidValue(qsizetype index, const QString &value, QTextStream &err) const;

private:
    QString helpText() const;

    CliSyntax syntax_;
    QCommandLineParser parser_;
    QList<QCommandLineOption> options_;
    QString sections_;
};

// One option of a command, one line in its table: its names (as
// addOption), the name of its value, its help and how its value goes into
// the command's settings; `store` returns false for a value it does not take.
template <typename Settings>
struct CliOption
{
    QStringList names;
    const char *value;
    const char *help;
    bool (*store)(Settings &settings, const QString &value);
};

// The settings a command's options made and its operands; `status` when the
// command is not to run (help written: 0, usage error written: 2).
template <typename Settings>
struct CliCall
{
    Settings settings;
    QStringList operands;
    std::optional<int> status;
};

template <typename Settings>
CliCall<Settings> ParseCall(const CliSyntax &syntax, std::span<const CliOption<Settings>> options,
                            const QStringList &args, const CliStreams &io)
{
    CommandParser parser(syntax);
    for (const CliOption<Settings> &option : options)
        parser.addOption(option.names, option.value, option.help);
    CliCall<Settings> call;
    call.status = parser.parse(args, io);
    if (call.status)
        return call;
    for (const auto &[index, value] : parser.given()) {
        if (!options[size_t(index)].store(call.settings, value)) {
            call.status = parser.invalidValue(index, value, io.err);
            return call;
        }
    }
    call.operands = parser.operands();
    return call;
}

// Stores a parsed value: false when there is none.
template <typename Target, typename Parsed>
bool StoreParsed(Target &target, const std::optional<Parsed> &parsed)
{
    if (parsed)
        target = *parsed;
    return parsed.has_value();
}
