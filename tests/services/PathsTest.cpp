#include "services/Paths.h"

#include "tests/support/TestFiles.h"
#include "tests/support/TestPhotos.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QChar Back = u'\\';
const QChar Slash = u'/';

QString L(const char *text) { return QString::fromLatin1(text); }

}

// The text routines, for both separators; those that take the caller's text
// change it too.
TEST(PathTexts, BothSeparators)
{
    const struct { const char *before; QChar separator; const char *after; } slashes[] = {
        {"C:\\", Back, "C:\\"}, {"C:\\Fotos", Back, "C:\\Fotos\\"}, {"", Back, "\\"},
        {"/", Slash, "/"}, {"/home/fotos", Slash, "/home/fotos/"}, {"C:\\Fotos\\", Slash, "C:\\Fotos\\/"}};
    for (const auto &c : slashes) {
        QString path = L(c.before);
        EXPECT_EQ(AddBackslash(path, c.separator), L(c.after)) << c.before;
        EXPECT_EQ(path, L(c.after));
    }
    // A leading "\" is dropped, but a leading "/" is the root and stays.
    const struct { const char *path; QChar separator; const char *folder, *name; } parts[] = {
        {"C:\\Fotos\\bild.jpg", Back, "C:\\Fotos", "bild.jpg"}, {"\\Fotos\\", Back, "Fotos", "Fotos"},
        {"C:\\Fotos\\2016\\", Back, "C:\\Fotos", "2016"}, {"/home/fotos/2016/", Slash, "/home/fotos", "2016"},
        {"/bild.jpg", Slash, "/", "bild.jpg"}, {"/", Slash, "/", ""}, {"bild.jpg", Slash, "bild.jpg", "bild.jpg"},
        {"", Slash, "", ""}};
    for (const auto &c : parts) {
        EXPECT_EQ(FolderPart(L(c.path), c.separator), L(c.folder)) << c.path;
        EXPECT_EQ(FileNamePart(L(c.path), c.separator), L(c.name)) << c.path;
    }
    // After a removed quote the next two characters are passed over.
    const std::pair<const char *, const char *> quotes[] = {
        {"\"/home/fotos/urlaub 2016\"", "/home/fotos/urlaub 2016"}, {"a\"\"b", "a\"b"}, {"\"a\"b\"", "a\"b"}};
    for (const auto &[before, after] : quotes) {
        QString text = L(before);
        EXPECT_EQ(StripQuotes(text), L(after)) << before;
        EXPECT_EQ(text, L(after));
    }
}

TEST(LongNameOf, ExistingPathsAbsoluteAndCleanMissingOnesUnchanged)
{
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    for (const char *name : {"Fotos", "F*", "Fotos ?"})
        ASSERT_TRUE(QDir(root).mkdir(L(name)));
    ASSERT_TRUE(WriteBytes(root + u"/Fotos/Bild.JPG"_qs));
    EXPECT_EQ(LongNameOf(root + u"/Fotos/./../Fotos//Bild.JPG"_qs), root + u"/Fotos/Bild.JPG"_qs);
    // Names that look like wildcards are taken literally.
    for (const char *name : {"F*", "Fotos ?"})
        EXPECT_EQ(LongNameOf(root + u'/' + L(name)), root + u'/' + L(name));
    for (const char *missing : {"/nicht/da/img_0001.JPG", "c:\\FOTOS\\x.JPG", ""})
        EXPECT_EQ(LongNameOf(L(missing)), L(missing));
}

TEST(CreateFolderPath, CreatesMissingLevelsAndFailsAtTheFirstItCannotMake)
{
    QTemporaryDir dir;
    QString path = dir.filePath(u"A/B/C"_qs);
    for (int twice = 0; twice < 2; ++twice) {
        EXPECT_TRUE(CreateFolderPath(path));
        EXPECT_EQ(path, dir.filePath(u"A/B/C/"_qs));
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(u"A/B/C"_qs)).isDir());
    QString empty;
    EXPECT_FALSE(CreateFolderPath(empty));

    ASSERT_TRUE(WriteBytes(dir.filePath(u"datei"_qs)));
    QString throughFile = dir.filePath(u"datei/B"_qs);
    EXPECT_FALSE(CreateFolderPath(throughFile));
    const QString readOnly = dir.filePath(u"nurlesen"_qs);
    ASSERT_TRUE(QDir().mkdir(readOnly));
    SetMode(readOnly, 0555);
    PermissionsEnforced enforced;
    QString below = readOnly + u"/B/C"_qs;
    EXPECT_FALSE(CreateFolderPath(below));
    EXPECT_FALSE(QFileInfo::exists(readOnly + u"/B"_qs));
}
