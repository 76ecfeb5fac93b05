#include "rename/NamePattern.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

#include <sys/vfs.h>

namespace {

const QString DefaultText = QStringLiteral("%Y-%m-%d - %H-%M-%S");

// A name's bytes on disk may not pass 255; a base name leaves room for up to
// three burst letters and the longest extension of a companion (".cr2.xmp").
constexpr qsizetype MaxFolderBytes = 255;
constexpr qsizetype MaxStemBytes = 255 - 3 - 16;

const QString WindowsRefused = QStringLiteral(":?\"<>|*\\");

// statfs's f_type of vfat and msdos, and of exfat.
constexpr long MsdosMagic = 0x4d44;
constexpr long ExfatMagic = 0x2011bab0;

// A camera's text as part of a name: no folder step, no control character,
// nothing the file system refuses, no blanks at either end.
QString Cleaned(const QString &text, bool windowsNames)
{
    QString cleaned = text;
    for (QChar &c : cleaned) {
        if (c == u'/' || c.category() == QChar::Other_Control || (windowsNames && WindowsRefused.contains(c)))
            c = u'_';
    }
    return cleaned.trimmed();
}

QString Digits(int value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

} // namespace

NamePattern::NamePattern()
    : NamePattern(std::get<NamePattern>(parse(DefaultText)))
{
}

std::variant<NamePattern, PatternError> NamePattern::parse(const QString &text, bool windowsNames)
{
    using Kind = PatternError::Kind;
    if (text.isEmpty())
        return PatternError{Kind::Empty, {}};
    if (text.startsWith(u'/'))
        return PatternError{Kind::Absolute, {}};
    for (const QString &folder : text.split(u'/')) {
        if (folder.isEmpty() || folder == u"." || folder == u"..")
            return PatternError{Kind::StepOut, folder};
    }
    NamePattern pattern{Unparsed{}};
    pattern.text_ = text;
    pattern.default_ = text == DefaultText;
    pattern.windowsNames_ = windowsNames;
    QString literal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'%') {
            if (windowsNames && WindowsRefused.contains(c))
                return PatternError{Kind::RefusedChar, c};
            if (c == u'/')
                ++pattern.depth_;
            literal += c;
            continue;
        }
        const QChar letter = i + 1 < text.size() ? text[i + 1] : QChar();
        if (letter.isNull() || !QStringView(kPatternLetters).contains(letter))
            return PatternError{Kind::UnknownLetter, text.mid(i, 2)};
        ++i;
        if (letter == u'%') {
            literal += u'%';
            continue;
        }
        if (!literal.isEmpty())
            pattern.pieces_.push_back({QChar(), std::exchange(literal, {})});
        pattern.pieces_.push_back({letter, {}});
        pattern.usesName_ = pattern.usesName_ || letter == u'n';
    }
    if (!literal.isEmpty())
        pattern.pieces_.push_back({QChar(), literal});
    return pattern;
}

bool NamePattern::namesCamera() const
{
    return std::any_of(pieces_.begin(), pieces_.end(),
                       [](const Piece &piece) { return piece.letter == u'c' || piece.letter == u'k'; });
}

QString NamePattern::value(const Piece &piece, const NameFields &fields) const
{
    const CaptureTime &t = fields.time;
    switch (piece.letter.unicode()) {
    case 0: return piece.text;
    case u'Y': return Digits(t.date().year(), 4);
    case u'm': return Digits(t.date().month(), 2);
    case u'd': return Digits(t.date().day(), 2);
    case u'H': return Digits(t.time().hour(), 2);
    case u'M': return Digits(t.time().minute(), 2);
    case u'S': return Digits(t.time().second(), 2);
    case u'f': return t.subSeconds();
    case u'n': return fields.stem;
    case u'c': return Cleaned(fields.camera, windowsNames_);
    case u'k': return Cleaned(fields.make, windowsNames_);
    }
    return {};
}

std::optional<QString> NamePattern::nameInPlace(const NameFields &fields, const QStringList &folderTail,
                                               bool lettered) const
{
    if (folderTail.size() < depth_)
        return std::nullopt;
    // Each %n stands for any text; the same text wherever it comes again.
    QString expression;
    bool named = false;
    for (const Piece &piece : pieces_) {
        if (piece.letter != u'n')
            expression += QRegularExpression::escape(value(piece, fields));
        else
            expression += std::exchange(named, true) ? QStringLiteral("\\1") : QStringLiteral("([^/]+)");
    }
    if (lettered)
        expression += QStringLiteral("[a-z]");
    const QString path = (folderTail.mid(folderTail.size() - depth_) << fields.stem).join(u'/');
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::anchoredPattern(expression), QRegularExpression::CaseInsensitiveOption)
            .match(path);
    return match.hasMatch() ? std::make_optional(match.captured(1)) : std::nullopt;
}

PatternPlace NamePattern::place(const NameFields &fields, const QStringList &folderTail, bool lettered) const
{
    PatternPlace place;
    if (isDefault()) {
        place.stem = fields.time.nameStem();
        return place;
    }
    // A file in the form the pattern gives keeps the base name in %n's place.
    NameFields own = fields;
    const std::optional<QString> kept = usesName_ ? nameInPlace(fields, folderTail, lettered) : std::nullopt;
    if (kept)
        own.stem = *kept;
    QString path;
    for (const Piece &piece : pieces_)
        path += value(piece, own);
    QStringList parts = path.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        // An empty camera model leaves no blank at either end.
        QString &part = parts[i];
        part = part.trimmed();
        const bool last = i + 1 == parts.size();
        if (part.isEmpty() || part == u"." || part == u"..") {
            place.problem = PatternPlace::Problem::Empty;
            return place;
        }
        if (part.toUtf8().size() > (last ? MaxStemBytes : MaxFolderBytes)) {
            place.problem = PatternPlace::Problem::TooLong;
            return place;
        }
    }
    place.stem = parts.takeLast();
    if (kept)
        return place;
    // Already in folders of the form the pattern gives: it stays in them.
    const QStringList tail = folderTail.mid(folderTail.size() - depth_);
    if (depth_ > 0 && (folderTail.size() < depth_ || tail.join(u'/').compare(parts.join(u'/'), Qt::CaseInsensitive)))
        place.folders = parts.join(u'/') + u'/';
    return place;
}

bool RefusesWindowsCharacters(const QString &folder)
{
    struct statfs fs {};
    const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    return ::statfs(path.constData(), &fs) == 0 && (fs.f_type == MsdosMagic || fs.f_type == ExfatMagic);
}
