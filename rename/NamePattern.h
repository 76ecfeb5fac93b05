#pragma once

#include "metadata/CaptureTime.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

// Why a pattern cannot name any file; found before anything moves.
struct PatternError
{
    enum class Kind {
        Empty,          // no text at all
        UnknownLetter,  // "%x" with no such letter, or a "%" at the end; `detail` holds it
        Absolute,       // starts with "/"
        StepOut,        // a folder "..", or ".", or an empty one ("a//b", "a/")
        RefusedChar,    // a character the target's file system refuses; `detail` holds it
    };
    Kind kind = Kind::Empty;
    QString detail;
};

// What a file's own values give its pattern.
struct NameFields
{
    CaptureTime time;
    QString stem;    // the file's base name as it is now, without its extension
    QString camera;  // the Model tag
    QString make;    // the Make tag
};

// Where a pattern puts one file, relative to the folder it is in, or why it
// cannot be named.
struct PatternPlace
{
    enum class Problem { None, Empty, TooLong };
    Problem problem = Problem::None;
    QString folders;  // "" or "2024/2024-07-14/": folders to go below
    QString stem;     // the new base name, before letters and extension
};

// A name pattern: strftime's letters as photographers know them from jhead
// and ExifTool (%Y %m %d %H %M %S), %f the sub-seconds as written, %n the
// file's base name, %c the camera model, %k its make, %% a per cent sign;
// a "/" makes folders below the file's own folder.
class NamePattern
{
public:
    // "%Y-%m-%d - %H-%M-%S": the names renamed files always had.
    NamePattern();

    // `windowsNames`: the target is FAT or exFAT, which refuse : ? " < > | * \ in names.
    static std::variant<NamePattern, PatternError> parse(const QString &text, bool windowsNames = false);

    const QString &text() const { return text_; }
    bool isDefault() const { return default_; }
    // How many folders it makes.
    int depth() const { return depth_; }
    // It uses the camera's model or make.
    bool namesCamera() const;

    // Where the file goes. `folderTail` holds the last depth() names of the
    // folder the file is in: a file whose folders and name already have the
    // form the pattern gives for its values stays where it is (with %n any
    // base name in its place, and with `lettered` a frozen time's letter
    // after it), so a second run changes nothing.
    PatternPlace place(const NameFields &fields, const QStringList &folderTail, bool lettered = false) const;

private:
    struct Unparsed {};
    explicit NamePattern(Unparsed) {}

    struct Piece
    {
        QChar letter;  // 0 for literal text
        QString text;
    };
    QString value(const Piece &piece, const NameFields &fields) const;
    // What stands in %n's place of a file in the pattern's form, or nullopt.
    std::optional<QString> nameInPlace(const NameFields &fields, const QStringList &folderTail, bool lettered) const;

    QString text_;
    std::vector<Piece> pieces_;
    int depth_ = 0;
    bool usesName_ = false;
    bool default_ = false;
    bool windowsNames_ = false;
};

// The letters a pattern knows.
inline constexpr char16_t kPatternLetters[] = u"YmdHMSfnck%";

// True where the folder's file system is FAT or exFAT, which refuse
// : ? " < > | * \ in names (statfs tells).
bool RefusesWindowsCharacters(const QString &folder);
