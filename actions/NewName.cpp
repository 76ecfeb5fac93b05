#include "actions/NewName.h"

OfferedName SplitOfferedName(const QString &fileName)
{
    const QString ext3 = fileName.right(3).toLower();
    if (ext3 == QLatin1String("peg"))
        return {fileName.left(qMax(0, fileName.size() - 5)), QStringLiteral(".jpeg")};
    return {fileName.left(qMax(0, fileName.size() - 4)), QLatin1Char('.') + ext3};
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
