#pragma once

#include "rename/FileIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

#include <optional>

#include <vector>

// The journals that let a batch be taken back: one file per batch under
// $XDG_STATE_HOME/fotlex/ (~/.local/state/fotlex/ when unset), numbered
// 000001.journal and on. A batch writes each chunk of its intents and syncs
// it before it renames any file of that chunk, so a batch killed half-way
// or a machine that loses power can still be undone. Names are stored
// percent-encoded, byte for byte, so no line break or odd byte can break a
// record. Layout, one record per line, fields split by tabs:
//   fotlex-journal  1  rename|undo  <start, ms since the epoch>  <batch undone or 0>
//   I  folder  from  to  device  inode  size  atime-ns  mtime-ns  head-hash  stamped-ns
//   E  <number of files>                  (the batch ran to its end)

// One file of a journaled batch: it moves from `from` to `to` in `folder`
// (the same name when only its times change).
struct JournalIntent
{
    QString folder;  // ends in a separator
    QString from;
    QString to;
    FileIdentity identity;  // of the file before the batch
    // The modification time the batch gives the file, in nanoseconds; 0 when
    // it keeps its times. Undo then restores identity's access and
    // modification times.
    int64_t stampedNs = 0;
};

enum class JournalKind { Rename, Undo };

struct JournalInfo
{
    int number = 0;
    JournalKind kind = JournalKind::Rename;
    QDateTime started;
    QString folder;        // of its first file
    int files = 0;
    bool complete = false; // ran to its end
    int undoes = 0;        // an undo: the batch it takes back
    bool undone = false;   // a complete undo has taken it back
    bool running = false;  // its process still holds the journal's lock
};

QString JournalFolder();

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
    // Writes the pending intents and syncs them; the first time creates the
    // journal, locked while this object lives, and syncs its folder too.
    FileOpResult flush();
    // Flushes and marks the batch complete with the number of files it
    // changed: `changed` where a batch stopped early left intents written
    // ahead undone, else every one added. A rename batch to which nothing was
    // added leaves no journal.
    FileOpResult finish(std::optional<int> changed = std::nullopt);

private:
    FileOpResult create();

    JournalKind kind_;
    int undoes_;
    qint64 startedMs_;
    int fd_ = -1;
    int files_ = 0;
    QByteArray pending_;
    int pendingCount_ = 0;
    QString folder_;  // of the last intent, and its encoding
    QByteArray encodedFolder_;
    QElapsedTimer chunkClock_;
};

// Every journal, oldest first.
std::vector<JournalInfo> ListJournals();

// Journal `number` opened for undo, its lock held until destruction.
class JournalReader
{
public:
    explicit JournalReader(int number);
    ~JournalReader();
    JournalReader(const JournalReader &) = delete;
    JournalReader &operator=(const JournalReader &) = delete;

    // Why it cannot be read: missing, unreadable or locked (EWOULDBLOCK).
    FileOpResult error() const { return error_; }
    const std::vector<JournalIntent> &intents() const { return intents_; }

private:
    int fd_ = -1;
    FileOpResult error_;
    std::vector<JournalIntent> intents_;
};
