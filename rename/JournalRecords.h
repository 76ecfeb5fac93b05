#pragma once

#include "metadata/CaptureTime.h"
#include "rename/FileIdentity.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <variant>

// The lines of a journal (see RenameJournal.h), one record per line, fields
// split by tabs. Names and texts are stored percent-encoded, byte for byte,
// so that no tab, line break or odd byte can break a record. Version 3 (4 below):
//   fotlex-journal  3  rename|undo  <start, ms since the epoch>  <batch undone or 0>
//   R  shot  folder  from  to  device  inode  size  atime-ns  mtime-ns  head-hash  stamped-ns  time  camera
//   L  folder  from  to
//   D  folder
//   E  <files changed>
// R: a file moves from `from` to `to` in `folder` (the same name when only
//    its times change); the files of one shot share `shot`. head-hash is 0
//    where the file system's inode numbers tell files apart. stamped-ns is
//    the modification time the batch gives the file, 0 when it keeps its
//    times. time is the capture time read from the file
//    ("YYYY:MM:DD HH:MM:SS", then ".digits" and "+HH:MM" when known; empty
//    for a file without one) and camera its camera model.
// L: the rename of R's `from` to `to` falls back to link and unlink, and the
//    link is about to be made (written, not synced, just before it).
//    `to` may lie in folders below `folder` ("2024/2024-07-14/x.jpg").
// D: the batch is about to make this folder (absolute, ends in a
//    separator); written and synced before it is made.
// E: the batch ran to its end and changed that many files.
// Version 2 knew no D and kept every `to` in `folder`. Version 1 wrote R as "I folder from to device inode size atime mtime
// head-hash stamped", without shot, time and camera, and its E counted the
// files planned. Later versions add kinds (created folders, copies, moves
// across folders); a kind this version does not know is damage in a
// journal of this version.
// Version 4 adds, for sorting photos into a library folder:
//   C  <the fields of R>   a copy of `from` is to be made at `to`
//   X  <the fields of R>   `from` moves to `to`, across file systems a
//                          verified copy and then the source's removal
//   H  path  hash          the file made at `path` (absolute) holds this
//                          content hash (XXH3, hex); written and synced
//                          once it is linked into place
//   T  path                a temporary copy is about to be made at `path`
//                          (absolute); written and synced before it exists
// In C and X, `to` is absolute. An undo's own journal may hold an absolute
// `from` (the file it moved back from a library).

enum class JournalKind { Rename, Undo };

constexpr int kJournalVersion = 4;

struct JournalHeader
{
    int version = kJournalVersion;
    JournalKind kind = JournalKind::Rename;
    qint64 startedMs = 0;
    int undoes = 0;  // an undo: the batch it takes back
};

// What a journaled file's step does: a rename, a copy, or a move that may
// cross file systems.
enum class JournalTransfer { Rename, Copy, Move };

// One file of a journaled batch.
struct JournalIntent
{
    QString folder;  // absolute, ends in a separator
    QString from;
    QString to;
    int shot = 0;
    FileIdentity identity;  // of the file before the batch
    // The modification time the batch gives the file, in nanoseconds; 0 when
    // it keeps its times. Undo then restores identity's access and
    // modification times.
    int64_t stampedNs = 0;
    std::optional<CaptureTime> captured;  // as the file holds it, unshifted
    QString camera;
    // Read back: an L record says that the rename may have been cut between
    // its link and its unlink.
    bool linked = false;
    JournalTransfer transfer = JournalTransfer::Rename;
    // Read back: the content hash an H record gave the file made at `to`.
    std::optional<uint64_t> madeHash;

    // The paths, each relative to `folder` unless absolute.
    QString fromPath() const { return from.startsWith(u'/') ? from : folder + from; }
    QString toPath() const { return to.startsWith(u'/') ? to : folder + to; }
};

struct JournalLink
{
    QString folder;
    QString from;
    QString to;
};

struct JournalEnd
{
    int changed = 0;
};

struct JournalMadeFolder
{
    QString path;
};

struct JournalHash
{
    QString path;
    uint64_t hash = 0;
};

struct JournalTemporary
{
    QString path;
};

using JournalRecord =
    std::variant<JournalIntent, JournalLink, JournalEnd, JournalMadeFolder, JournalHash, JournalTemporary>;

QByteArray HeaderLine(const JournalHeader &header);
// nullopt for a line that is no header.
std::optional<JournalHeader> ParseHeader(QByteArrayView line);

// Appends the R line of `intent`. Consecutive files of one folder are the
// rule, so the folder's encoding is kept in `folderCache` between calls.
void AppendIntent(QByteArray &out, const JournalIntent &intent, std::pair<QString, QByteArray> &folderCache);
QByteArray LinkLine(const JournalLink &link);
QByteArray EndLine(int changed);
QByteArray MadeFolderLine(const JournalMadeFolder &folder);
QByteArray HashLine(const JournalHash &made);
QByteArray TemporaryLine(const JournalTemporary &temporary);

// A record of a journal of `version`, without its line break; nullopt for a
// line that is none.
std::optional<JournalRecord> ParseRecord(QByteArrayView line, int version);
