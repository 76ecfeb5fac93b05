#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// A date and time as the window shows every one of them: the locale's short
// date with the year in full and its time with seconds, without a time zone
// ("30.05.2008 15:56:01" in German, "5/30/2008 3:56:01 PM" in American
// English). Date and time come apart, so that a capture time in the hour
// skipped in spring is shown as the camera wrote it.
QString DateTimeText(QDate date, QTime time, const QLocale &locale = QLocale());
