#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

// The benchmarks draw windows without a display unless one is asked for.
inline void UseOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The first command-line argument as a positive count, else `fallback`.
inline int CountArgument(int argc, char **argv, int fallback)
{
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}
