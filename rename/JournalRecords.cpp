#include "rename/JournalRecords.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <charconv>

namespace {

const QByteArray Magic = "fotlex-journal";

// Appends the text's bytes, with "%XX" for a byte that could break a record
// (tabs, line breaks, other controls, "%") and for every byte beyond ASCII.
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

QList<QByteArrayView> Fields(QByteArrayView line)
{
    QList<QByteArrayView> fields;
    for (qsizetype start = 0;;) {
        const qsizetype tab = line.indexOf('\t', start);
        fields.append(line.sliced(start, (tab < 0 ? line.size() : tab) - start));
        if (tab < 0)
            return fields;
        start = tab + 1;
    }
}

QString Decoded(QByteArrayView field)
{
    return QFile::decodeName(QByteArray::fromPercentEncoding(field.toByteArray()));
}

template<typename Number>
void AppendNumber(QByteArray &out, Number number, int base = 10)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number, base).ptr;
    out.append(digits, end - digits);
}

// The whole field as a number, or nullopt.
template<typename Number>
std::optional<Number> NumberOf(QByteArrayView field, int base = 10)
{
    Number number {};
    const char *end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, number, base);
    if (field.isEmpty() || error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

void AppendDigits(QByteArray &out, int value, int width)
{
    char digits[4];
    for (int i = width - 1; i >= 0; --i, value /= 10)
        digits[i] = char('0' + value % 10);
    out.append(digits, width);
}

// "YYYY:MM:DD HH:MM:SS", then ".digits" and "+HH:MM" when known: one for
// every file of a batch, so made without a format string.
void AppendTime(QByteArray &out, const CaptureTime &time)
{
    int year = 0, month = 0, day = 0;
    time.date().getDate(&year, &month, &day);
    const QTime clock = time.time();
    const int fields[] = {year, month, day, clock.hour(), clock.minute(), clock.second()};
    const char after[] = ":: ::";
    for (int i = 0; i < 6; ++i) {
        AppendDigits(out, fields[i], i == 0 ? 4 : 2);
        if (i < 5)
            out.append(after[i]);
    }
    if (!time.subSeconds().isEmpty())
        out.append('.').append(time.subSeconds().toLatin1());
    if (const std::optional<int> offset = time.offsetMinutes()) {
        out.append(*offset < 0 ? '-' : '+');
        AppendDigits(out, std::abs(*offset) / 60, 2);
        out.append(':');
        AppendDigits(out, std::abs(*offset) % 60, 2);
    }
}

// Empty is no time; anything that does not read back as TimeText wrote it is nullopt.
std::optional<std::optional<CaptureTime>> TimeOf(QByteArrayView text)
{
    if (text.isEmpty())
        return std::optional<CaptureTime>();
    if (text.size() < 19)
        return std::nullopt;
    std::optional<CaptureTime> time = CaptureTime::FromExifText(QString::fromLatin1(text.first(19)));
    if (!time)
        return std::nullopt;
    QByteArrayView rest = text.sliced(19);
    if (rest.startsWith('.')) {
        qsizetype digits = 1;
        while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9')
            ++digits;
        time = time->withSubSeconds(QString::fromLatin1(rest.sliced(1, digits - 1)));
        rest = rest.sliced(digits);
    }
    if (rest.isEmpty())
        return time;
    const auto hours = NumberOf<int>(rest.sliced(1, std::min<qsizetype>(2, rest.size() - 1)));
    const auto minutes = rest.size() == 6 && rest[3] == ':' ? NumberOf<int>(rest.sliced(4)) : std::nullopt;
    if ((rest[0] != '+' && rest[0] != '-') || !hours || !minutes)
        return std::nullopt;
    return time->withOffsetMinutes((rest[0] == '-' ? -1 : 1) * (*hours * 60 + *minutes));
}

std::optional<JournalIntent> IntentOf(const QList<QByteArrayView> &f, int version)
{
    // Version 1: I folder from to ...; version 2: R shot folder from to ... time camera.
    const bool first = version == 1;
    if (f.size() != (first ? 11 : 14))
        return std::nullopt;
    JournalTransfer transfer = JournalTransfer::Rename;
    if (version >= 4 && (f[0] == "C" || f[0] == "X"))
        transfer = f[0] == "C" ? JournalTransfer::Copy : JournalTransfer::Move;
    else if (f[0] != (first ? "I" : "R"))
        return std::nullopt;
    const qsizetype at = first ? 1 : 2;
    JournalIntent intent;
    const auto shot = first ? std::optional<int>(0) : NumberOf<int>(f[1]);
    const auto device = NumberOf<uint64_t>(f[at + 3]), inode = NumberOf<uint64_t>(f[at + 4]),
               hash = NumberOf<uint64_t>(f[at + 8], 16);
    const auto size = NumberOf<int64_t>(f[at + 5]), access = NumberOf<int64_t>(f[at + 6]),
               modified = NumberOf<int64_t>(f[at + 7]), stamped = NumberOf<int64_t>(f[at + 9]);
    const auto captured = first ? std::make_optional(std::optional<CaptureTime>()) : TimeOf(f[12]);
    if (!shot || !device || !inode || !hash || !size || !access || !modified || !stamped || !captured)
        return std::nullopt;
    intent.folder = Decoded(f[at]);
    intent.from = Decoded(f[at + 1]);
    intent.to = Decoded(f[at + 2]);
    if (intent.folder.isEmpty() || intent.from.isEmpty() || intent.to.isEmpty()
        || (transfer != JournalTransfer::Rename && !intent.to.startsWith(u'/')))
        return std::nullopt;
    intent.transfer = transfer;
    intent.shot = *shot;
    intent.identity = {*device, *inode, *size, *access, *modified, *hash};
    intent.stampedNs = *stamped;
    intent.captured = *captured;
    if (!first)
        intent.camera = Decoded(f[13]);
    return intent;
}

} // namespace

QByteArray HeaderLine(const JournalHeader &header)
{
    return Magic + '\t' + QByteArray::number(header.version) + '\t'
        + (header.kind == JournalKind::Undo ? "undo" : "rename") + '\t' + QByteArray::number(header.startedMs)
        + '\t' + QByteArray::number(header.undoes) + '\n';
}

std::optional<JournalHeader> ParseHeader(QByteArrayView line)
{
    const QList<QByteArrayView> f = Fields(line);
    if (f.size() != 5 || f[0] != Magic || (f[2] != "rename" && f[2] != "undo"))
        return std::nullopt;
    const auto version = NumberOf<int>(f[1]);
    const auto started = NumberOf<qint64>(f[3]);
    const auto undoes = NumberOf<int>(f[4]);
    if (!version || *version < 1 || !started || !undoes)
        return std::nullopt;
    return JournalHeader{*version, f[2] == "undo" ? JournalKind::Undo : JournalKind::Rename, *started, *undoes};
}

void AppendIntent(QByteArray &out, const JournalIntent &intent, std::pair<QString, QByteArray> &folderCache)
{
    const FileIdentity &id = intent.identity;
    out.append(intent.transfer == JournalTransfer::Rename ? "R\t"
               : intent.transfer == JournalTransfer::Copy ? "C\t"
                                                          : "X\t");
    AppendNumber(out, intent.shot);
    out.append('\t');
    if (intent.folder != folderCache.first) {
        folderCache.first = intent.folder;
        folderCache.second.clear();
        AppendEncoded(folderCache.second, intent.folder);
    }
    out.append(folderCache.second).append('\t');
    AppendEncoded(out, intent.from);
    out.append('\t');
    AppendEncoded(out, intent.to);
    for (const uint64_t number : {id.device, id.inode}) {
        out.append('\t');
        AppendNumber(out, number);
    }
    for (const int64_t number : {id.size, id.accessNs, id.modifiedNs}) {
        out.append('\t');
        AppendNumber(out, number);
    }
    out.append('\t');
    AppendNumber(out, id.headHash, 16);
    out.append('\t');
    AppendNumber(out, intent.stampedNs);
    out.append('\t');
    if (intent.captured)
        AppendTime(out, *intent.captured);
    out.append('\t');
    AppendEncoded(out, intent.camera);
    out.append('\n');
}

QByteArray LinkLine(const JournalLink &link)
{
    QByteArray line = "L\t";
    AppendEncoded(line, link.folder);
    line.append('\t');
    AppendEncoded(line, link.from);
    line.append('\t');
    AppendEncoded(line, link.to);
    return line.append('\n');
}

QByteArray MadeFolderLine(const JournalMadeFolder &folder)
{
    QByteArray line = "D\t";
    AppendEncoded(line, folder.path);
    return line.append('\n');
}

QByteArray HashLine(const JournalHash &made)
{
    QByteArray line = "H\t";
    AppendEncoded(line, made.path);
    line.append('\t');
    AppendNumber(line, made.hash, 16);
    return line.append('\n');
}

QByteArray TemporaryLine(const JournalTemporary &temporary)
{
    QByteArray line = "T\t";
    AppendEncoded(line, temporary.path);
    return line.append('\n');
}

QByteArray EndLine(int changed)
{
    return "E\t" + QByteArray::number(changed) + '\n';
}

std::optional<JournalRecord> ParseRecord(QByteArrayView line, int version)
{
    const QList<QByteArrayView> f = Fields(line);
    if (f.size() == 2 && f[0] == "E") {
        if (const auto changed = NumberOf<int>(f[1]))
            return JournalEnd{*changed};
        return std::nullopt;
    }
    if (version >= 3 && f.size() == 2 && f[0] == "D") {
        JournalMadeFolder folder{Decoded(f[1])};
        if (!folder.path.startsWith(u'/') || !folder.path.endsWith(u'/'))
            return std::nullopt;
        return folder;
    }
    if (version >= 4 && f.size() == 3 && f[0] == "H") {
        const auto hash = NumberOf<uint64_t>(f[2], 16);
        JournalHash made{Decoded(f[1]), hash.value_or(0)};
        if (!hash || !made.path.startsWith(u'/'))
            return std::nullopt;
        return made;
    }
    if (version >= 4 && f.size() == 2 && f[0] == "T") {
        JournalTemporary temporary{Decoded(f[1])};
        if (!temporary.path.startsWith(u'/'))
            return std::nullopt;
        return temporary;
    }
    if (version >= 2 && f.size() == 4 && f[0] == "L") {
        JournalLink link{Decoded(f[1]), Decoded(f[2]), Decoded(f[3])};
        if (link.folder.isEmpty() || link.from.isEmpty() || link.to.isEmpty())
            return std::nullopt;
        return link;
    }
    if (auto intent = IntentOf(f, version))
        return *intent;
    return std::nullopt;
}
