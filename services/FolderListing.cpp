#include "services/FolderListing.h"

#include <QCollator>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <future>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

// "*" any run of characters, "?" one character; both texts already folded.
bool MatchesWildcard(QStringView name, QStringView wildcard)
{
    // "*.jpg" and its like, nearly every pattern: a plain suffix test, as
    // the walk below would try every start for the star.
    const QStringView tail = wildcard.mid(1);
    if (wildcard.startsWith(u'*') && !tail.contains(u'*') && !tail.contains(u'?'))
        return name.endsWith(tail);
    qsizetype n = 0, w = 0, starW = -1, starN = 0;
    while (n < name.size()) {
        if (w < wildcard.size() && (wildcard[w] == QLatin1Char('?') || wildcard[w] == name[n])) {
            ++n;
            ++w;
        } else if (w < wildcard.size() && wildcard[w] == QLatin1Char('*')) {
            starW = w++;
            starN = n;
        } else if (starW >= 0) {
            w = starW + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (w < wildcard.size() && wildcard[w] == QLatin1Char('*'))
        ++w;
    return w == wildcard.size();
}

// The pattern's wildcards, case-folded; "*.*" stands for every name, as it
// always has, dot or not.
QStringList FoldedWildcards(const QString &pattern)
{
    QStringList wildcards;
    for (const QString &part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString wildcard = part.trimmed().toCaseFolded();
        if (!wildcard.isEmpty())
            wildcards.append(wildcard == QLatin1String("*.*") ? QStringLiteral("*") : wildcard);
    }
    return wildcards;
}

bool MatchesAny(const QString &name, const QStringList &wildcards)
{
    const QString folded = name.toCaseFolded();
    return std::any_of(wildcards.cbegin(), wildcards.cend(),
                       [&](const QString &wildcard) { return MatchesWildcard(folded, wildcard); });
}

// The kind from the directory entry itself; only where the file system does
// not tell it, or for a link, is the file looked up.
bool IsRegularFile(int folderFd, const dirent *entry)
{
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    struct stat st {};
    return ::fstatat(folderFd, entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

// The C locale collates by code point: upper case before lower case and
// "IMG_10" before "IMG_2". A file manager's order needs a real language.
QLocale SortingLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

}

void SortLikeFileManager(QStringList &names)
{
    // A sort key per name once, then plain key comparisons: far quicker than
    // the collator's compare() on every pair of a large folder. A large
    // folder's keys are made on two cores, each with a collator of its own.
    const auto keysOf = [&names](qsizetype begin, qsizetype end) {
        QCollator collator{SortingLocale()};
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<std::pair<QCollatorSortKey, QString>> keyed;
        keyed.reserve(size_t(end - begin));
        for (qsizetype i = begin; i < end; ++i)
            keyed.emplace_back(collator.sortKey(names.at(i)), names.at(i));
        return keyed;
    };
    std::vector<std::pair<QCollatorSortKey, QString>> keyed;
    if (names.size() < 2000) {
        keyed = keysOf(0, names.size());
    } else {
        const qsizetype half = names.size() / 2;
        auto secondHalf = std::async(std::launch::async, keysOf, half, names.size());
        keyed = keysOf(0, half);
        for (auto &pair : secondHalf.get())
            keyed.push_back(std::move(pair));
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    names.clear();
    for (auto &[key, name] : keyed)
        names.append(std::move(name));
}

QStringList ListMatchingFiles(const QString &folder, const QString &pattern, bool *ok, QStringList *notUtf8,
                              QStringList *entries)
{
    if (ok)
        *ok = false;
    DIR *dir = folder.isEmpty() ? nullptr : ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return {};
    const QStringList wildcards = FoldedWildcards(pattern);
    const int folderFd = ::dirfd(dir);
    QStringList names;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry)
            break;
        const char *n = entry->d_name;
        if (IsDotOrDotDot(n))
            continue;
        const QString name = QFile::decodeName(n);
        if (entries)
            entries->append(name);
        // Names that begin with a dot are hidden files, which the list leaves out.
        if (n[0] == '.')
            continue;
        if (!MatchesAny(name, wildcards) || !IsRegularFile(folderFd, entry))
            continue;
        if (QByteArrayView(entry->d_name).isValidUtf8())
            names.append(name);
        else if (notUtf8)
            notUtf8->append(name);
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    if (!complete)
        return {};

    SortLikeFileManager(names);
    if (ok)
        *ok = true;
    return names;
}
