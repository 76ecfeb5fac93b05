#pragma once

#include "rename/JournalRecords.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

#include <mutex>
#include <optional>
#include <vector>

// The journals that let a batch be taken back: one file per batch under
// $XDG_STATE_HOME/fotlex/ (~/.local/state/fotlex/ when unset), numbered
// 000001.journal and on (their lines: JournalRecords.h). A batch writes each
// chunk of its intents and syncs it before it renames any file of that
// chunk, so a batch killed half-way or a machine that loses power can still
// be undone. A journal appears under its name with its header, its first
// chunk and its lock at once, so that no other process ever sees one
// half-made; the lock is held while the batch runs.

// Why a journal cannot be read, or read in full.
struct JournalProblem
{
    enum class Kind {
        None,
        System,         // opening or reading failed: `system` tells why (ENOENT, EWOULDBLOCK: still running)
        Empty,          // no header: a batch killed while its journal was made, before it changed anything
        DamagedHeader,  // the first line is no header
        NewerVersion,   // written by a later version of the program
        DamagedLines,   // `lines` lines from `line` on are no records; the others were read
    };
    Kind kind = Kind::None;
    FileOpResult system;
    int line = 0;   // the first damaged line, counted from 1
    int lines = 0;

    bool ok() const { return kind == Kind::None; }
};

struct JournalInfo
{
    int number = 0;
    JournalKind kind = JournalKind::Rename;
    QDateTime started;
    QString folder;        // of its first file
    // The files it changed (renamed, or their times set); for a batch cut
    // short the files it meant to change.
    int files = 0;
    bool complete = false; // ran to its end
    int undoes = 0;        // an undo: the batch it takes back
    bool undone = false;   // a complete undo that is not undone itself has taken it back
    bool running = false;  // its process still holds the journal's lock
    // Set when its header cannot be read; the fields above then say nothing.
    JournalProblem problem;

    // A batch that may have changed a file on disk.
    bool changedAnything() const { return problem.ok() && files > 0; }
};

QString JournalFolder();
QString JournalFileName(int number);

class JournalWriter
{
public:
    explicit JournalWriter(JournalKind kind, int undoes = 0);
    ~JournalWriter();
    JournalWriter(const JournalWriter &) = delete;
    JournalWriter &operator=(const JournalWriter &) = delete;

    void add(const JournalIntent &intent);
    // The pending intents are to be written: 500 of them, or 100 ms since the first.
    bool due() const;
    // Writes the pending intents and syncs them; the first time with any,
    // creates the journal, locked while this object lives, and syncs its
    // folder too. Before that, old journals are pruned, and a file that a
    // killed batch left under two names (see noteLink) keeps its new one.
    FileOpResult flush();
    // Notes a link fallback's step before its link is made (see
    // SafeRename). May be called from another thread than flush().
    FileOpResult noteLink(const JournalLink &link);
    // Notes and syncs a folder the batch is about to make, so that undo
    // can remove it. Called as noteLink.
    FileOpResult noteMadeFolder(const JournalMadeFolder &folder);
    // Notes and syncs a temporary copy's name before it is made, so that
    // undo or the next run can remove what a kill leaves there.
    FileOpResult noteTemporary(const JournalTemporary &temporary);
    // Notes and syncs the content hash of a copy once it is in place.
    FileOpResult noteHash(const JournalHash &made);
    // Flushes and marks the batch complete with the number of files it
    // changed. A rename batch that changed none leaves no journal; an undo
    // always does, for it marks its batch as taken back.
    FileOpResult finish(int changed);

    int number() const { return number_; }

private:
    FileOpResult create();
    FileOpResult append(const QByteArray &bytes, bool sync);

    JournalHeader header_;
    int number_ = 0;
    int fd_ = -1;
    QByteArray pending_;
    int pendingCount_ = 0;
    std::pair<QString, QByteArray> folderCache_;
    QElapsedTimer chunkClock_;
    std::mutex writing_;
};

// Every journal with a header or a damaged one, oldest first. Traces of a
// kill at creation (no header) are left out.
std::vector<JournalInfo> ListJournals();

// Journal `number` opened for undo, its lock held until destruction.
class JournalReader
{
public:
    explicit JournalReader(int number);
    ~JournalReader();
    JournalReader(const JournalReader &) = delete;
    JournalReader &operator=(const JournalReader &) = delete;

    // Why it cannot be read (no intents then), or DamagedLines beside the
    // intents that could be read. A cut last line is the normal trace of a
    // kill and no damage.
    const JournalProblem &problem() const { return problem_; }
    const JournalHeader &header() const { return header_; }
    const std::vector<JournalIntent> &intents() const { return intents_; }
    // The folders the batch made, in the order made.
    const std::vector<QString> &madeFolders() const { return madeFolders_; }
    // The temporary copies the batch was about to make.
    const std::vector<QString> &temporaries() const { return temporaries_; }

private:
    int fd_ = -1;
    JournalProblem problem_;
    JournalHeader header_;
    std::vector<JournalIntent> intents_;
    std::vector<QString> madeFolders_;
    std::vector<QString> temporaries_;
};

// Removes the temporary copies a journal recorded, where they are left.
void RemoveTemporaries(const std::vector<QString> &paths);
