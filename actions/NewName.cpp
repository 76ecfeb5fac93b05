#include "actions/NewName.h"

OfferedName SplitOfferedName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= 0)
        return {fileName, {}};
    return {fileName.left(dot), fileName.mid(dot).toLower()};
}

NameProblem CheckNewBaseName(const QString &base)
{
    if (base.isEmpty())
        return NameProblem::Empty;
    for (const QChar c : base) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return NameProblem::PathSeparator;
        if (c.category() == QChar::Other_Control)
            return NameProblem::ControlCharacter;
    }
    return NameProblem::None;
}
