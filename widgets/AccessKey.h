#pragma once

#include <QString>

// The lower-case character after the first "&" that does not start "&&";
// empty when there is none. A two-character caption such as "&A" has none.
QString AccessKeyOf(const QString &caption);
