#pragma once

#include <QCoreApplication>

// The context of the tool's translated texts: CliText::tr("...").
struct CliText
{
    Q_DECLARE_TR_FUNCTIONS(CliText)
};
