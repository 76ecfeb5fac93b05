#include "rename/RenameJournal.h"

#include "rename/JournalPruning.h"
#include "services/RegularFile.h"
#include "services/VerifiedCopy.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int ChunkFiles = 500;
constexpr qint64 ChunkMs = 100;
// Enough of a journal's start for its header and first record, and of its
// end for its last line.
constexpr qint64 EdgeBytes = 4096;
const QByteArray TempPrefix = ".journal-";

QString JournalPath(int number)
{
    return JournalFolder() + JournalFileName(number);
}

std::vector<int> JournalNumbers()
{
    std::vector<int> numbers;
    const QStringList names = QDir(JournalFolder()).entryList({QStringLiteral("*.journal")}, QDir::Files);
    for (const QString &name : names) {
        bool ok = false;
        const int number = name.chopped(8).toInt(&ok);
        if (ok && number > 0)
            numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool Locked(int fd, int how)
{
    while (::flock(fd, how | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

bool SyncFolder(const QByteArray &folder)
{
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = dir >= 0 && ::fsync(dir) == 0;
    if (dir >= 0)
        ::close(dir);
    return synced;
}

QDateTime TimeOf(const struct timespec &time)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000);
}

// One journal as the list and pruning see it: its header, its first
// record's folder and its last line; only a batch cut short is read whole,
// to count its records.
struct Inspection
{
    JournalInfo info;
    JournalFileState state;
};

std::optional<Inspection> Inspect(int number, int lockHow)
{
    const int fd = ::open(QFile::encodeName(JournalPath(number)).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        if (fd >= 0)
            ::close(fd);
        return std::nullopt;
    }
    Inspection seen;
    seen.info.number = seen.state.number = number;
    seen.state.bytes = status.st_size;
    seen.state.lastWritten = seen.state.started = TimeOf(status.st_mtim);
    seen.state.locked = !Locked(fd, lockHow);
    seen.info.running = seen.state.locked;
    const QByteArray head = ReadAt(fd, 0, EdgeBytes).value_or(QByteArray());
    const qsizetype headerEnd = head.indexOf('\n');
    const std::optional<JournalHeader> header = headerEnd < 0 ? std::nullopt : ParseHeader(head.first(headerEnd));
    if (headerEnd < 0) {
        seen.state.headerless = true;
        seen.info.problem.kind = JournalProblem::Kind::Empty;
    } else if (!header || header->version > kJournalVersion) {
        seen.info.problem.kind = header ? JournalProblem::Kind::NewerVersion : JournalProblem::Kind::DamagedHeader;
        seen.info.started = seen.state.started;
    } else {
        seen.info.kind = header->kind;
        seen.info.undoes = header->undoes;
        seen.info.started = seen.state.started = QDateTime::fromMSecsSinceEpoch(header->startedMs);
        const qsizetype recordEnd = head.indexOf('\n', headerEnd + 1);
        if (recordEnd > 0) {
            const auto first = ParseRecord(QByteArrayView(head).sliced(headerEnd + 1, recordEnd - headerEnd - 1),
                                           header->version);
            if (first && std::holds_alternative<JournalIntent>(*first))
                seen.info.folder = std::get<JournalIntent>(*first).folder;
        }
        // The last whole line; a line cut by a kill has no line break yet.
        const qint64 from = std::max<qint64>(0, status.st_size - EdgeBytes);
        QByteArray tail = from == 0 ? head : ReadAt(fd, from, EdgeBytes).value_or(QByteArray());
        tail.truncate(tail.lastIndexOf('\n'));
        const auto last = ParseRecord(QByteArrayView(tail).sliced(tail.lastIndexOf('\n') + 1), header->version);
        if (last && std::holds_alternative<JournalEnd>(*last)) {
            seen.info.complete = true;
            seen.info.files = std::get<JournalEnd>(*last).changed;
        } else {
            QFile file;
            if (file.open(fd, QIODevice::ReadOnly)) {
                while (!file.atEnd()) {
                    const QByteArray line = file.readLine();
                    seen.info.files += line.endsWith('\n') && line.size() > 2 && line[1] == '\t'
                        && QByteArrayView("RICX").contains(line[0]);
                }
            }
        }
        seen.state.changedAnything = header->kind == JournalKind::Undo || seen.info.files > 0;
    }
    ::close(fd);
    return seen;
}

// Removes a journal unless another process holds it.
void RemoveUnlocked(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (Locked(fd, LOCK_EX))
        ::unlink(path.constData());
    ::close(fd);
}

// A batch killed between a link fallback's link and its unlink left its
// file under both names: the step is finished, the old name goes. One
// killed during a copy left its temporary copy: it goes.
void MendCutLinks(int number)
{
    QFile file(JournalPath(number));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    if (!content.contains("\nL\t") && !content.contains("\nT\t"))
        return;
    const JournalReader reader(number);
    for (const JournalIntent &intent : reader.intents()) {
        if (intent.linked)
            DropSecondName(intent.toPath(), intent.fromPath());
    }
    RemoveTemporaries(reader.temporaries());
}

void PruneJournals()
{
    std::vector<JournalFileState> states;
    for (const int number : JournalNumbers()) {
        const std::optional<Inspection> seen = Inspect(number, LOCK_SH);
        if (!seen)
            continue;
        states.push_back(seen->state);
        if (!seen->state.locked && !seen->info.complete && seen->info.problem.ok())
            MendCutLinks(number);
    }
    const QDateTime now = QDateTime::currentDateTime();
    for (const int number : JournalsToPrune(states, now))
        RemoveUnlocked(QFile::encodeName(JournalPath(number)));
    // Leftovers of a journal made without O_TMPFILE by a process killed
    // before it could name it.
    const QDir folder(JournalFolder());
    for (const QFileInfo &left : folder.entryInfoList({QString::fromLatin1(TempPrefix) + u'*'},
                                                       QDir::Files | QDir::Hidden)) {
        if (left.lastModified().addSecs(60) < now)
            RemoveUnlocked(QFile::encodeName(left.filePath()));
    }
}

} // namespace

QString JournalFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/fotlex/");
}

QString JournalFileName(int number)
{
    return QStringLiteral("%1.journal").arg(number, 6, 10, QChar(u'0'));
}

JournalWriter::JournalWriter(JournalKind kind, int undoes)
    : header_{kJournalVersion, kind, QDateTime::currentMSecsSinceEpoch(), undoes}
{
}

JournalWriter::~JournalWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void JournalWriter::add(const JournalIntent &intent)
{
    if (pendingCount_ == 0)
        chunkClock_.start();
    AppendIntent(pending_, intent, folderCache_);
    ++pendingCount_;
}

bool JournalWriter::due() const
{
    return pendingCount_ >= ChunkFiles || (pendingCount_ > 0 && chunkClock_.elapsed() >= ChunkMs);
}

FileOpResult JournalWriter::append(const QByteArray &bytes, bool sync)
{
    if (fd_ < 0)
        return {EBADF};
    const FileOpResult written = WriteAll(fd_, bytes.constData(), bytes.size());
    if (!written.ok())
        return written;
    return !sync || ::fdatasync(fd_) == 0 ? FileOpResult{} : FileOpResult{errno};
}

// The header, the first chunk and the lock go into a file without a name
// (O_TMPFILE; else one of a hidden name of our own), which is then linked
// under the next free number: link() never replaces, so two processes never
// share a number, and no process sees a journal without its header and
// lock, which pruning would take for the trace of a kill.
FileOpResult JournalWriter::create()
{
    const QString folderText = JournalFolder();
    if (!QDir().mkpath(folderText))
        return {EACCES};
    PruneJournals();
    const QByteArray folder = QFile::encodeName(folderText);
    const bool unnamed = ::access("/proc/self/fd", X_OK) == 0;
    QByteArray temp = folder + TempPrefix + "XXXXXX";
    fd_ = unnamed ? ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600) : -1;
    if (fd_ < 0) {
        fd_ = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd_ < 0)
            return {errno};
    } else {
        temp.clear();
    }
    ::flock(fd_, LOCK_EX);
    FileOpResult result = append(HeaderLine(header_) + pending_, true);
    const QByteArray self = temp.isEmpty() ? "/proc/self/fd/" + QByteArray::number(fd_) : temp;
    const std::vector<int> numbers = JournalNumbers();
    for (int number = numbers.empty() ? 1 : numbers.back() + 1; result.ok(); ++number) {
        const QByteArray path = QFile::encodeName(JournalPath(number));
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0) {
            number_ = number;
            break;
        }
        if (errno != EEXIST)
            result = {errno};
    }
    if (!temp.isEmpty())
        ::unlink(temp.constData());
    // The new entry must outlive a power loss as well as the lines in it.
    if (result.ok() && !SyncFolder(folder))
        result = {errno};
    if (!result.ok()) {
        ::close(fd_);
        fd_ = -1;
    }
    return result;
}

FileOpResult JournalWriter::flush()
{
    if (pendingCount_ == 0)
        return {};
    const std::lock_guard lock(writing_);
    const FileOpResult result = fd_ < 0 ? create() : append(pending_, true);
    pending_.clear();
    pendingCount_ = 0;
    return result;
}

FileOpResult JournalWriter::noteLink(const JournalLink &link)
{
    const std::lock_guard lock(writing_);
    return append(LinkLine(link), false);
}

FileOpResult JournalWriter::noteMadeFolder(const JournalMadeFolder &folder)
{
    const std::lock_guard lock(writing_);
    return append(MadeFolderLine(folder), true);
}

FileOpResult JournalWriter::noteTemporary(const JournalTemporary &temporary)
{
    const std::lock_guard lock(writing_);
    return append(TemporaryLine(temporary), true);
}

FileOpResult JournalWriter::noteHash(const JournalHash &made)
{
    const std::lock_guard lock(writing_);
    return append(HashLine(made), true);
}

FileOpResult JournalWriter::finish(int changed)
{
    const FileOpResult flushed = flush();
    if (!flushed.ok())
        return flushed;
    const std::lock_guard lock(writing_);
    if (header_.kind == JournalKind::Rename && changed == 0) {
        if (fd_ >= 0 && ::unlink(QFile::encodeName(JournalPath(number_)).constData()) != 0)
            return {errno};
        return {};
    }
    // An undo with nothing left to do still leaves its mark.
    if (fd_ < 0) {
        if (const FileOpResult made = create(); !made.ok())
            return made;
    }
    return append(EndLine(changed), true);
}

std::vector<JournalInfo> ListJournals()
{
    std::vector<JournalInfo> journals;
    for (const int number : JournalNumbers()) {
        const std::optional<Inspection> seen = Inspect(number, LOCK_SH);
        if (seen && !seen->state.headerless)
            journals.push_back(seen->info);
    }
    // A complete undo takes its batch back unless it is undone itself:
    // newest first, each undo is settled before the batch it took back.
    for (auto undo = journals.rbegin(); undo != journals.rend(); ++undo) {
        if (undo->kind != JournalKind::Undo || !undo->complete || undo->undone || !undo->problem.ok())
            continue;
        for (auto batch = undo + 1; batch != journals.rend(); ++batch) {
            if (batch->number == undo->undoes)
                batch->undone = true;
        }
    }
    return journals;
}

JournalReader::JournalReader(int number)
{
    fd_ = ::open(QFile::encodeName(JournalPath(number)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0 || !Locked(fd_, LOCK_EX)) {
        problem_ = {JournalProblem::Kind::System, {fd_ < 0 ? errno : EWOULDBLOCK}};
        return;
    }
    QFile file;
    if (!file.open(fd_, QIODevice::ReadOnly)) {
        problem_ = {JournalProblem::Kind::System, {EIO}};
        return;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem_ = {JournalProblem::Kind::System, {EIO}};
        return;
    }
    const qsizetype headerEnd = content.indexOf('\n');
    const std::optional<JournalHeader> header =
        headerEnd < 0 ? std::nullopt : ParseHeader(QByteArrayView(content).first(headerEnd));
    if (!header || header->version > kJournalVersion) {
        problem_.kind = headerEnd < 0 ? JournalProblem::Kind::Empty
            : header                  ? JournalProblem::Kind::NewerVersion
                                      : JournalProblem::Kind::DamagedHeader;
        return;
    }
    header_ = *header;
    QSet<QString> linked;
    QHash<QString, uint64_t> hashes;
    int lineNumber = 1;
    // What follows the last line break is a line a kill cut short.
    for (qsizetype start = headerEnd + 1, end; (end = content.indexOf('\n', start)) >= 0; start = end + 1) {
        ++lineNumber;
        const std::optional<JournalRecord> record =
            ParseRecord(QByteArrayView(content).sliced(start, end - start), header->version);
        if (!record) {
            if (problem_.lines++ == 0) {
                problem_.kind = JournalProblem::Kind::DamagedLines;
                problem_.line = lineNumber;
            }
        } else if (const auto *intent = std::get_if<JournalIntent>(&*record)) {
            intents_.push_back(*intent);
        } else if (const auto *link = std::get_if<JournalLink>(&*record)) {
            linked.insert(link->folder + u'\n' + link->from + u'\n' + link->to);
        } else if (const auto *made = std::get_if<JournalMadeFolder>(&*record)) {
            madeFolders_.push_back(made->path);
        } else if (const auto *hash = std::get_if<JournalHash>(&*record)) {
            hashes.insert(hash->path, hash->hash);
        } else if (const auto *temporary = std::get_if<JournalTemporary>(&*record)) {
            temporaries_.push_back(temporary->path);
        }
    }
    for (JournalIntent &intent : intents_) {
        intent.linked = linked.contains(intent.folder + u'\n' + intent.from + u'\n' + intent.to);
        if (const auto hash = hashes.constFind(intent.toPath()); hash != hashes.constEnd())
            intent.madeHash = hash.value();
    }
    if (header->version == 1) {
        // Version 1 kept no shots: each file stands alone.
        for (size_t i = 0; i < intents_.size(); ++i)
            intents_[i].shot = int(i);
    }
}

void RemoveTemporaries(const std::vector<QString> &paths)
{
    // Only a name the journal recorded, and only our own hidden kind.
    for (const QString &path : paths) {
        if (path.mid(path.lastIndexOf(u'/') + 1).startsWith(QStringView(kTemporaryCopyPrefix)))
            ::unlink(QFile::encodeName(path).constData());
    }
}

JournalReader::~JournalReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}
