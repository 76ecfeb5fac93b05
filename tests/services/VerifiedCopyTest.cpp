#include "services/VerifiedCopy.h"

#include "tests/support/FileTimeSeams.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <optional>

namespace {

// The ways a copy or move meets its file systems, and what must come of it.
struct CopyCase
{
    const char *name;
    bool move;
    int renameError;      // renameat2 fails so: EXDEV stands for another file system
    bool noUnnamedFiles;  // the target's file system has no O_TMPFILE
    bool shortWrite;      // the disk silently keeps half of every write
    bool targetTaken;
    bool made;            // the copy (or moved file) is at the target
    bool sourceStays;
};

const CopyCase Cases[] = {
    {"Copy", false, 0, false, false, false, true, true},
    {"CopyUnderTemporaryName", false, 0, true, false, false, true, true},
    {"CopyOntoTakenName", false, 0, false, false, true, false, true},
    {"CopyCheckFails", false, 0, false, true, false, false, true},
    {"CopyUnderTemporaryNameCheckFails", false, 0, true, true, false, false, true},
    {"MoveOnOneFileSystem", true, 0, false, false, false, true, false},
    {"MoveAcrossFileSystems", true, EXDEV, false, false, false, true, false},
    {"MoveAcrossUnderTemporaryName", true, EXDEV, true, false, false, true, false},
    {"MoveAcrossCheckFails", true, EXDEV, false, true, false, false, true},
    {"MoveOntoTakenName", true, 0, false, false, true, false, true},
};

class VerifiedCopyTest : public ::testing::TestWithParam<CopyCase>
{
};

INSTANTIATE_TEST_SUITE_P(Ways, VerifiedCopyTest, ::testing::ValuesIn(Cases),
                         [](const auto &info) { return std::string(info.param.name); });

// Every entry of a folder, hidden ones too.
QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

// Whatever happens, no content is lost or doubled: the photo is at the
// source, the target or (a copy) both, byte for byte, with its time; a copy
// that fails leaves nothing behind, not even a temporary name, and a taken
// name keeps its own file.
TEST_P(VerifiedCopyTest, LosesAndDoublesNothing)
{
    const CopyCase &c = GetParam();
    QTemporaryDir card, library;
    QByteArray photo(3 * (1 << 20) + 17, '\0');
    for (qsizetype i = 0; i < photo.size(); ++i)
        photo[i] = char((i * 131) ^ (i >> 9));
    const QString source = WriteFile(card.filePath(u"IMG_0001.JPG"_qs), photo);
    const QDateTime shot(QDate(2024, 7, 14), QTime(9, 31, 0), Qt::UTC);
    SetModified(source, shot);
    const QString target = library.filePath(u"2024-07-14 - 09-31-00.jpg"_qs);
    if (c.targetTaken)
        WriteFile(target, "anderes Foto");

    QStringList noted;
    CopyOptions options;
    // A copy tries to share blocks first; where the file system cannot, it writes them.
    options.reflink = !c.move;
    options.noteTemporary = [&](const QString &temporary) {
        noted << temporary;
        return FileOpResult{};
    };
    CopyResult result;
    {
        const DiskSeams seams(c.renameError, c.noUnnamedFiles, c.shortWrite);
        result = c.move ? VerifiedMove(source, target, options) : VerifiedCopy(source, target, options);
    }

    EXPECT_EQ(result.ok(), c.made);
    EXPECT_EQ(result.mismatch, c.shortWrite);
    EXPECT_EQ(result.sourceKept, c.sourceStays);
    EXPECT_EQ(QFile::exists(source), c.sourceStays);
    if (c.sourceStays) {
        EXPECT_EQ(ReadBytes(source), photo);
    }
    if (c.made) {
        EXPECT_EQ(ReadBytes(target), photo);
        EXPECT_EQ(QFileInfo(target).lastModified().toUTC(), shot);
        FileOpResult error;
        if (!c.move || c.renameError) {
            EXPECT_EQ(result.hash, ContentHash(target, error));
        }
        EXPECT_TRUE(error.ok());
    }
    EXPECT_EQ(ReadBytes(target), c.targetTaken ? QByteArray("anderes Foto") : c.made ? photo : "<fehlt>");
    EXPECT_EQ(Entries(library.path()), (c.made || c.targetTaken ? QStringList{QFileInfo(target).fileName()}
                                                                 : QStringList{}));
    EXPECT_EQ(Entries(card.path()), (c.sourceStays ? QStringList{u"IMG_0001.JPG"_qs} : QStringList{}));
    // A temporary name is noted before it is made, and only where needed.
    EXPECT_EQ(noted.size(), c.noUnnamedFiles && (!c.move || c.renameError) && !c.targetTaken ? 1 : 0);
}

// A journal that cannot note the temporary name stops the copy before any
// byte is written; a target folder that is missing fails at once, without
// a temporary name to journal.
TEST(VerifiedCopy, CopiesNothingWhereTheTargetCannotTakeIt)
{
    QTemporaryDir card, library;
    const QString source = WriteFile(card.filePath(u"a.jpg"_qs), "foto");
    int noted = 0;
    CopyOptions options;
    options.noteTemporary = [&](const QString &) {
        ++noted;
        return FileOpResult{ENOSPC};
    };
    EXPECT_EQ(VerifiedCopy(source, library.filePath(u"fehlt/b.jpg"_qs), options).system.error, ENOENT);
    EXPECT_EQ(noted, 0);
    const UnnamedFilesRefused noUnnamed;
    EXPECT_EQ(VerifiedCopy(source, library.filePath(u"b.jpg"_qs), options).system.error, ENOSPC);
    EXPECT_EQ(noted, 1);
    EXPECT_TRUE(Entries(library.path()).isEmpty());
    EXPECT_EQ(ReadBytes(source), "foto");
}
