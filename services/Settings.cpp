#include "services/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

#include <optional>

// The private-profile format, as the settings file has always used it:
//   [Section]       a section header; the name ends at the first "]"
//   key=value       an entry; key and value are trimmed of blanks, and a
//                   value in one pair of matching quotes loses them
// Any other line (blank, ";" comment, junk) belongs to no entry and is kept
// as it is. Names match without regard to case; the first matching section
// and, inside it, the first matching key count. Texts are UTF-8.

namespace {

constexpr qsizetype MaxValueLength = 2047;

enum class LineKind { Other, Section, Entry };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    QString name;
    QString value;
};

ParsedLine Parse(const QByteArray &raw)
{
    // Editors on Windows start a UTF-8 file with a byte-order mark; it is
    // no part of the first line's text (and stays in the file as it was).
    const QByteArray line = (raw.startsWith("\xEF\xBB\xBF") ? raw.mid(3) : raw).trimmed();
    ParsedLine parsed;
    if (line.startsWith('[')) {
        const qsizetype close = line.indexOf(']');
        parsed.kind = LineKind::Section;
        parsed.name = QString::fromUtf8(line.mid(1, close < 0 ? -1 : close - 1)).trimmed();
        return parsed;
    }
    const qsizetype equals = line.indexOf('=');
    if (line.startsWith(';') || equals < 0)
        return parsed;
    parsed.kind = LineKind::Entry;
    parsed.name = QString::fromUtf8(line.left(equals)).trimmed();
    QByteArray value = line.mid(equals + 1).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    parsed.value = QString::fromUtf8(value);
    return parsed;
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The file's lines without their "\n"; a "\r" before it stays in the line,
// so that writing the lines back gives the same bytes.
struct Profile
{
    QList<QByteArray> lines;
    bool crlf = false;
};

std::optional<Profile> Load(const QString &file, bool missingIsEmpty)
{
    Profile profile;
    QFile in(file);
    if (!in.exists())
        return missingIsEmpty ? std::optional<Profile>(profile) : std::nullopt;
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    if (bytes.isEmpty())
        return profile;
    profile.lines = bytes.split('\n');
    if (bytes.endsWith('\n'))
        profile.lines.removeLast();
    profile.crlf = bytes.contains("\r\n");
    return profile;
}

// The first line of the first matching section and one past its last line;
// nullopt when there is no such section.
std::optional<std::pair<qsizetype, qsizetype>> FindSection(const Profile &profile,
                                                           const QString &section)
{
    const qsizetype count = profile.lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        const ParsedLine line = Parse(profile.lines.at(i));
        if (line.kind != LineKind::Section || !SameName(line.name, section))
            continue;
        qsizetype end = i + 1;
        while (end < count && Parse(profile.lines.at(end)).kind != LineKind::Section)
            ++end;
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

std::optional<qsizetype> FindKey(const Profile &profile, qsizetype begin, qsizetype end,
                                 const QString &key)
{
    for (qsizetype i = begin; i < end; ++i) {
        const ParsedLine line = Parse(profile.lines.at(i));
        if (line.kind == LineKind::Entry && SameName(line.name, key))
            return i;
    }
    return std::nullopt;
}

bool HasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || text.contains(QChar::Null);
}

// A value the reader would trim or unquote is stored in quotes, so that it
// reads back as it was written.
QByteArray StoredValue(const QString &value)
{
    const bool quote = value != value.trimmed()
        || (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
            && value.back() == value.front());
    const QByteArray bytes = value.toUtf8();
    return quote ? '"' + bytes + '"' : bytes;
}

}

QString ReadSetting(const QString &section, const QString &key, const QString &file,
                    const QString &defaultValue)
{
    const std::optional<Profile> profile = Load(file, false);
    if (!profile)
        return defaultValue;
    const auto range = FindSection(*profile, section);
    if (!range)
        return defaultValue;
    const auto index = FindKey(*profile, range->first, range->second, key);
    if (!index)
        return defaultValue;
    QString value = Parse(profile->lines.at(*index)).value;
    if (value.isEmpty())
        return defaultValue;
    if (value.size() > MaxValueLength) {
        value.truncate(MaxValueLength);
        if (value.back().isHighSurrogate())
            value.chop(1);
    }
    return value;
}

bool WriteSetting(const QString &section, const QString &key, const QString &value,
                  const QString &file)
{
    // A line break would end the entry early and turn the rest into other
    // entries; such names and values are refused rather than written.
    if (section.trimmed().isEmpty() || key.trimmed().isEmpty() || HasLineBreak(section)
        || HasLineBreak(key) || HasLineBreak(value) || section.contains(QLatin1Char(']'))
        || key.contains(QLatin1Char('=')) || key.trimmed().startsWith(QLatin1Char('['))
        || key.trimmed().startsWith(QLatin1Char(';')))
        return false;

    const QFileInfo info(file);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        return false;
    std::optional<Profile> profile = Load(file, true);
    if (!profile)
        return false;

    const QByteArray cr = profile->crlf ? QByteArrayLiteral("\r") : QByteArray();
    const QByteArray entry = key.toUtf8() + '=' + StoredValue(value);
    QList<QByteArray> &lines = profile->lines;
    const auto range = FindSection(*profile, section);
    if (!range) {
        lines.append('[' + section.toUtf8() + ']' + cr);
        lines.append(entry + cr);
    } else if (const auto index = FindKey(*profile, range->first, range->second, key)) {
        const bool lineHadCr = lines.at(*index).endsWith('\r');
        lines[*index] = entry + (lineHadCr ? QByteArrayLiteral("\r") : QByteArray());
    } else {
        // After the section's last non-blank line, so that a blank line
        // between sections stays between them.
        qsizetype at = range->second;
        while (at > range->first && lines.at(at - 1).trimmed().isEmpty())
            --at;
        lines.insert(at, entry + cr);
    }

    // QSaveFile writes a temporary file beside the settings file and renames
    // it onto it on commit: a crash leaves the old file or the new one.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : lines) {
        out.write(line);
        out.write("\n", 1);
    }
    return out.commit();
}
