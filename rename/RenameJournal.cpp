#include "rename/RenameJournal.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int ChunkFiles = 500;
constexpr qint64 ChunkMs = 100;
constexpr int KeptJournals = 100;
constexpr qint64 KeptDays = 90;
const QByteArray Magic = "fotlex-journal";

QString JournalPath(int number)
{
    return JournalFolder() + QStringLiteral("%1.journal").arg(number, 6, 10, QChar(u'0'));
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

// Bytes that could break a record (tabs, line breaks, other controls, "%")
// and all beyond ASCII as %XX.
// Appends the name's bytes, with "%XX" for a byte that could break a record.
void AppendEncoded(QByteArray &out, const QString &text)
{
    const QByteArray bytes = QFile::encodeName(text);
    const auto plain = [](char c) { return c >= ' ' && c < 0x7f && c != '%'; };
    if (std::all_of(bytes.begin(), bytes.end(), plain)) {
        out.append(bytes);
        return;
    }
    for (const char c : bytes) {
        if (plain(c))
            out.append(c);
        else
            out.append('%').append(QByteArray::number(uchar(c) | 0x100, 16).mid(1).toUpper());
    }
}

template<typename Number>
void AppendNumber(QByteArray &out, Number number, int base = 10)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number, base).ptr;
    out.append(digits, end - digits);
}

QString Decoded(const QByteArray &field)
{
    return QFile::decodeName(QByteArray::fromPercentEncoding(field));
}

FileOpResult WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return {errno};
        done += wrote;
    }
    return {};
}

QByteArray ReadAll(int fd)
{
    QByteArray content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return content;
        content.append(buffer, got);
    }
}

bool Locked(int fd, int how)
{
    while (::flock(fd, how | LOCK_NB) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

std::optional<JournalIntent> ParseIntent(const QByteArray &line)
{
    const QList<QByteArray> f = line.split('\t');
    if (f.size() != 11 || f[0] != "I")
        return std::nullopt;
    JournalIntent intent;
    intent.folder = Decoded(f[1]);
    intent.from = Decoded(f[2]);
    intent.to = Decoded(f[3]);
    intent.identity = {f[4].toULongLong(), f[5].toULongLong(), f[6].toLongLong(),
                       f[7].toLongLong(), f[8].toLongLong(), f[9].toULongLong(nullptr, 16)};
    intent.stampedNs = f[10].toLongLong();
    return intent;
}

// The header and the first intent tell kind, start and folder; the last
// line whether the batch ended. Only a batch cut short is counted line by line.
std::optional<JournalInfo> ReadInfo(int number)
{
    QFile file(JournalPath(number));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> header = file.readLine().trimmed().split('\t');
    if (header.size() != 5 || header[0] != Magic)
        return std::nullopt;
    JournalInfo info;
    info.number = number;
    info.kind = header[2] == "undo" ? JournalKind::Undo : JournalKind::Rename;
    info.started = QDateTime::fromMSecsSinceEpoch(header[3].toLongLong());
    info.undoes = header[4].toInt();
    if (const auto first = ParseIntent(file.readLine().trimmed()))
        info.folder = first->folder;
    const qint64 tail = std::min<qint64>(file.size(), 64);
    file.seek(file.size() - tail);
    const QList<QByteArray> lastLines = file.read(tail).trimmed().split('\n');
    const QList<QByteArray> last = lastLines.last().split('\t');
    if (last.size() == 2 && last[0] == "E") {
        info.complete = true;
        info.files = last[1].toInt();
    } else {
        file.seek(0);
        while (!file.atEnd())
            info.files += file.readLine().startsWith("I\t") ? 1 : 0;
    }
    info.running = !Locked(file.handle(), LOCK_SH);
    return info;
}

// Drops journals beyond the newest 100 and older than 90 days, never one in use.
void PruneJournals()
{
    const std::vector<int> numbers = JournalNumbers();
    const QDateTime oldest = QDateTime::currentDateTime().addDays(-KeptDays);
    for (size_t i = 0; i < numbers.size(); ++i) {
        const std::optional<JournalInfo> info = ReadInfo(numbers[i]);
        const bool beyondCount = i + KeptJournals < numbers.size();
        if (info && info->running)
            continue;
        if (!info || beyondCount || info->started < oldest)
            QFile::remove(JournalPath(numbers[i]));
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

JournalWriter::JournalWriter(JournalKind kind, int undoes)
    : kind_(kind), undoes_(undoes), startedMs_(QDateTime::currentMSecsSinceEpoch())
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
    const FileIdentity &id = intent.identity;
    pending_.append("I\t");
    if (intent.folder != folder_) {
        folder_ = intent.folder;
        encodedFolder_.clear();
        AppendEncoded(encodedFolder_, folder_);
    }
    pending_.append(encodedFolder_).append('\t');
    AppendEncoded(pending_, intent.from);
    pending_.append('\t');
    AppendEncoded(pending_, intent.to);
    for (const uint64_t number : {id.device, id.inode}) {
        pending_.append('\t');
        AppendNumber(pending_, number);
    }
    for (const int64_t number : {id.size, id.accessNs, id.modifiedNs}) {
        pending_.append('\t');
        AppendNumber(pending_, number);
    }
    pending_.append('\t');
    AppendNumber(pending_, id.headHash, 16);
    pending_.append('\t');
    AppendNumber(pending_, intent.stampedNs);
    pending_.append('\n');
    ++pendingCount_;
    ++files_;
}

bool JournalWriter::due() const
{
    return pendingCount_ >= ChunkFiles || (pendingCount_ > 0 && chunkClock_.elapsed() >= ChunkMs);
}

FileOpResult JournalWriter::create()
{
    const QByteArray folder = QFile::encodeName(JournalFolder());
    if (!QDir().mkpath(JournalFolder()))
        return {EACCES};
    PruneJournals();
    const std::vector<int> numbers = JournalNumbers();
    int number = numbers.empty() ? 1 : numbers.back() + 1;
    for (;; ++number) {
        fd_ = ::open(QFile::encodeName(JournalPath(number)).constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
        if (fd_ >= 0)
            break;
        if (errno != EEXIST)
            return {errno};
    }
    ::flock(fd_, LOCK_EX);
    const QByteArray header = Magic + "\t1\t" + (kind_ == JournalKind::Undo ? "undo" : "rename")
        + '\t' + QByteArray::number(startedMs_) + '\t' + QByteArray::number(undoes_) + '\n';
    pending_.prepend(header);
    // The new entry must outlive a power loss as well as the lines in it.
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const FileOpResult written = WriteAll(fd_, pending_);
    if (!written.ok() || ::fdatasync(fd_) != 0 || dir < 0 || ::fsync(dir) != 0) {
        const FileOpResult failed = written.ok() ? FileOpResult{errno} : written;
        if (dir >= 0)
            ::close(dir);
        return failed;
    }
    ::close(dir);
    return {};
}

FileOpResult JournalWriter::flush()
{
    if (pendingCount_ == 0 && fd_ >= 0)
        return {};
    FileOpResult result;
    if (fd_ < 0)
        result = create();
    else if (!(result = WriteAll(fd_, pending_)).ok() || ::fdatasync(fd_) != 0)
        result = result.ok() ? FileOpResult{errno} : result;
    pending_.clear();
    pendingCount_ = 0;
    return result;
}

FileOpResult JournalWriter::finish(std::optional<int> changed)
{
    // An undo with nothing left to do still marks its batch as taken back.
    if (files_ == 0 && kind_ == JournalKind::Rename)
        return {};
    const FileOpResult flushed = flush();
    if (!flushed.ok())
        return flushed;
    if (!WriteAll(fd_, "E\t" + QByteArray::number(changed.value_or(files_)) + '\n').ok() || ::fdatasync(fd_) != 0)
        return {errno};
    return {};
}

std::vector<JournalInfo> ListJournals()
{
    std::vector<JournalInfo> journals;
    for (int number : JournalNumbers()) {
        if (const std::optional<JournalInfo> info = ReadInfo(number))
            journals.push_back(*info);
    }
    for (const JournalInfo &undo : journals) {
        if (undo.kind != JournalKind::Undo || !undo.complete)
            continue;
        for (JournalInfo &batch : journals)
            batch.undone = batch.undone || batch.number == undo.undoes;
    }
    return journals;
}

JournalReader::JournalReader(int number)
{
    fd_ = ::open(QFile::encodeName(JournalPath(number)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = {errno};
        return;
    }
    if (!Locked(fd_, LOCK_EX)) {
        error_ = {EWOULDBLOCK};
        return;
    }
    const QList<QByteArray> lines = ReadAll(fd_).split('\n');
    if (lines.isEmpty() || !lines.first().startsWith(Magic + '\t')) {
        error_ = {EINVAL};
        return;
    }
    for (const QByteArray &line : lines) {
        if (const std::optional<JournalIntent> intent = ParseIntent(line))
            intents_.push_back(*intent);
    }
}

JournalReader::~JournalReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}
