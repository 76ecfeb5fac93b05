#include "rename/JournalPruning.h"

#include <algorithm>

namespace {

constexpr int KeptBatches = 100;
constexpr qint64 KeptDays = 90;
constexpr size_t MostJournals = 1000;
constexpr qint64 MostBytes = qint64(1) << 30;
constexpr qint64 YoungSeconds = 60;

} // namespace

std::vector<int> JournalsToPrune(std::vector<JournalFileState> journals, const QDateTime &now)
{
    std::sort(journals.begin(), journals.end(), [](const auto &a, const auto &b) { return a.number < b.number; });
    const QDateTime young = now.addSecs(-YoungSeconds);
    const QDateTime recent = now.addDays(-KeptDays);
    std::vector<char> keep(journals.size(), 0);
    int batches = 0;
    for (size_t i = journals.size(); i-- > 0;) {
        const JournalFileState &journal = journals[i];
        if (journal.headerless || !journal.changedAnything)
            continue;
        keep[i] = ++batches <= KeptBatches || journal.started >= recent;
    }
    const auto spared = [&](size_t i) {
        return i + 1 == journals.size() || journals[i].locked || journals[i].lastWritten > young;
    };
    // The limits take the oldest first; what may not go still counts.
    size_t count = 0;
    qint64 bytes = 0;
    for (size_t i = 0; i < journals.size(); ++i) {
        if (keep[i] || spared(i)) {
            ++count;
            bytes += journals[i].bytes;
        }
    }
    for (size_t i = 0; i < journals.size() && (count > MostJournals || bytes > MostBytes); ++i) {
        if (keep[i] && !spared(i)) {
            keep[i] = 0;
            --count;
            bytes -= journals[i].bytes;
        }
    }
    std::vector<int> prune;
    for (size_t i = 0; i < journals.size(); ++i) {
        if (!keep[i] && !spared(i))
            prune.push_back(journals[i].number);
    }
    return prune;
}
