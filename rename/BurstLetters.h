#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Photos taken in the same second are told apart by letters in capture
// order. `subSeconds` holds each photo's SubSecTimeOriginal digits in the
// file list's order; the result is that order's positions sorted by capture:
// by the fractions when every photo has one ("5" is 0.5, later than "10"),
// otherwise the list order as it is.
std::vector<int> CaptureOrder(const QStringList &subSeconds);

// The letters of the `index`-th photo (from 0) of a burst of `count`: "a" to
// "z" for up to 26, then two letters for all ("aa", "ab", ... "az", "ba"),
// three beyond 676, so that names sort in capture order.
QString BurstLetters(int index, int count);

// The `index`-th letters (from 0) of `width` letters: "a" to "z", "aa" to
// "zz" ...; empty past the last.
QString LettersOfWidth(int index, int width);
