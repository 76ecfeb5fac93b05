#include "services/Paths.h"

#include "Unprivileged.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <set>

namespace {

const QChar Back = u'\\';
const QChar Slash = u'/';

QString L(const char *text) { return QString::fromLatin1(text); }

}

TEST(AddBackslash, BothSeparatorsChangeTheCallersText)
{
    const struct { const char *before; QChar separator; const char *after; } cases[] = {
        {"C:\\", Back, "C:\\"}, {"C:\\Fotos", Back, "C:\\Fotos\\"}, {"", Back, "\\"},
        {"/", Slash, "/"}, {"/home/fotos", Slash, "/home/fotos/"}, {"C:\\Fotos\\", Slash, "C:\\Fotos\\/"}};
    for (const auto &c : cases) {
        QString path = L(c.before);
        EXPECT_EQ(AddBackslash(path, c.separator), L(c.after)) << c.before;
        EXPECT_EQ(path, L(c.after));
    }
    QString folder = u"/home/fotos"_qs;
    AddBackslash(folder);
    EXPECT_EQ(folder, u"/home/fotos/");
}

TEST(FolderPartAndFileNamePart, BothSeparators)
{
    // A leading "\" is dropped, but a leading "/" is the root and stays.
    const struct { const char *path; QChar separator; const char *folder; const char *name; } cases[] = {
        {"C:\\Fotos\\bild.jpg", Back, "C:\\Fotos", "bild.jpg"}, {"C:\\bild.jpg", Back, "C:", "bild.jpg"},
        {"\\Fotos\\", Back, "Fotos", "Fotos"}, {"C:\\Fotos\\2016\\", Back, "C:\\Fotos", "2016"},
        {"bild.jpg", Back, "bild.jpg", "bild.jpg"}, {"/home/fotos/bild.jpg", Slash, "/home/fotos", "bild.jpg"},
        {"/home/fotos/2016/", Slash, "/home/fotos", "2016"}, {"/bild.jpg", Slash, "/", "bild.jpg"},
        {"/fotos/", Slash, "/", "fotos"}, {"/", Slash, "/", ""}, {"fotos/bild.jpg", Slash, "fotos", "bild.jpg"},
        {"bild.jpg", Slash, "bild.jpg", "bild.jpg"}, {"", Slash, "", ""}};
    for (const auto &c : cases) {
        EXPECT_EQ(FolderPart(L(c.path), c.separator), L(c.folder)) << c.path;
        EXPECT_EQ(FileNamePart(L(c.path), c.separator), L(c.name)) << c.path;
    }
    EXPECT_EQ(FolderPart(u"/home/fotos/bild.jpg"_qs), u"/home/fotos");
    EXPECT_EQ(FileNamePart(u"/home/fotos/bild.jpg"_qs), u"bild.jpg");
}

TEST(LongNameOf, ExistingPathsAbsoluteAndCleanMissingOnesUnchanged)
{
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    for (const char *name : {"Fotos", "Fotos [2016]", "Fotos 2", "F*", "Fotos ?"})
        ASSERT_TRUE(QDir(root).mkdir(L(name)));
    ASSERT_TRUE(WriteBytes(root + u"/Fotos/Bild.JPG"_qs));
    const QString expected = root + u"/Fotos/Bild.JPG"_qs;
    EXPECT_EQ(LongNameOf(root + u"/Fotos/./../Fotos//Bild.JPG"_qs), expected);
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(LongNameOf(u"Fotos/Bild.JPG"_qs), expected);
    QDir::setCurrent(cwd);
    // Names that look like wildcards are taken literally.
    for (const char *name : {"Fotos [2016]", "F*", "Fotos ?"})
        EXPECT_EQ(LongNameOf(root + u'/' + L(name)), root + u'/' + L(name));

    for (const char *missing : {"/nicht/da/img_0001.JPG", "c:\\FOTOS\\x.JPG", ""})
        EXPECT_EQ(LongNameOf(L(missing)), L(missing));
}

TEST(FileExistsAndFolderExists, OnlyReadableFilesAndListableFolders)
{
    OpenTemporaryDir dir;
    const QString file = dir.filePath(u"bild.jpg"_qs);
    const QString locked = dir.filePath(u"gesperrt.jpg"_qs);
    const QString closed = dir.filePath(u"zu"_qs);
    ASSERT_TRUE(WriteBytes(file) && WriteBytes(locked) && QDir().mkdir(closed));
    SetMode(locked, 0000);
    SetMode(closed, 0000);
    QString withSeparator = dir.path();
    AddBackslash(withSeparator);

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FolderExists(dir.path()));
    EXPECT_TRUE(FolderExists(withSeparator));
    for (const QString &path : {dir.filePath(u"fehlt"_qs), QString()}) {
        EXPECT_FALSE(FileExists(path));
        EXPECT_FALSE(FolderExists(path));
    }
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_TRUE(RunUnprivileged([&] {
        return FileExists(file) && !FileExists(locked) && FolderExists(dir.path()) && !FolderExists(closed);
    }));
}

TEST(CreateFolderPath, CreatesMissingLevelsWithoutMovingTheWorkingFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"A"_qs));
    const QString cwd = QDir::currentPath();
    QString path = dir.filePath(u"A/B/C"_qs);
    for (int twice = 0; twice < 2; ++twice) {
        EXPECT_TRUE(CreateFolderPath(path));
        EXPECT_EQ(path, dir.filePath(u"A/B/C/"_qs));
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(u"A/B/C"_qs)).isDir());
    EXPECT_EQ(QDir::currentPath(), cwd);
    QString empty;
    EXPECT_FALSE(CreateFolderPath(empty));

    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QString relative = u"X/Y"_qs;
    EXPECT_TRUE(CreateFolderPath(relative));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"X/Y"_qs)).isDir());
    QDir::setCurrent(cwd);
}

TEST(CreateFolderPath, FailsAtTheFirstLevelItCannotMake)
{
    OpenTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath(u"datei"_qs)));
    QString throughFile = dir.filePath(u"datei/B"_qs);
    EXPECT_FALSE(CreateFolderPath(throughFile));

    const QString readOnly = dir.filePath(u"nurlesen"_qs);
    ASSERT_TRUE(QDir().mkdir(readOnly));
    SetMode(readOnly, 0555);
    EXPECT_TRUE(RunUnprivileged([&] {
        QString path = readOnly + u"/B/C"_qs;
        return !CreateFolderPath(path) && path == readOnly + u"/B/C/"_qs;
    }));
    EXPECT_FALSE(QFileInfo::exists(readOnly + u"/B"_qs));
}

TEST(StripQuotes, RemovesQuotesTheOldWay)
{
    // After a removed quote the next two characters are passed over.
    const std::pair<const char *, const char *> cases[] = {
        {"\"/home/fotos/urlaub 2016\"", "/home/fotos/urlaub 2016"}, {"\"C:\\Fotos\\\"", "C:\\Fotos\\"},
        {"/home/fotos", "/home/fotos"}, {"a\"\"b", "a\"b"}, {"\"a\"b\"", "a\"b"}, {"", ""}};
    for (const auto &[before, after] : cases) {
        QString text = L(before);
        EXPECT_EQ(StripQuotes(text), L(after)) << before;
        EXPECT_EQ(text, L(after));
    }
}

TEST(FilterNameKey, AllCodes)
{
    // The refused characters, written out rather than derived from ranges.
    const std::set<int> refused = {
        0, 1, 2, 4, 5, 6, 7, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 23, 24, 25, 26, 27,
        28, 29, 30, 31, '"', '#', '$', '%', '(', ')', '*', ',', '.', '/', ':', ';', '<', '=',
        '>', '[', '\\', ']', '^'};
    for (int code = 0; code < 256; ++code) {
        int key = code;
        FilterNameKey(key, 1);
        EXPECT_EQ(key, refused.count(code) ? 0 : code) << "code " << code;
    }
    for (int code : {int('a'), int('Z'), int('5'), 0xE4, int('_'), int('?'), int('|'), 8}) {
        int key = code;
        FilterNameKey(key);
        EXPECT_EQ(key, code);
    }
}
