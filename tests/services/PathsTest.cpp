#include "services/Paths.h"

#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QChar Back = QLatin1Char('\\');
const QChar Slash = QLatin1Char('/');

void Touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A temporary folder that the unprivileged child may enter.
struct OpenTemporaryDir : QTemporaryDir
{
    OpenTemporaryDir() { ::chmod(QFile::encodeName(path()).constData(), 0777); }
    QString file(const QString &name) const { return filePath(name); }
};

}

TEST(AddBackslash, BackslashPaths)
{
    QString root = QStringLiteral("C:\\");
    EXPECT_EQ(AddBackslash(root, Back), QStringLiteral("C:\\"));
    EXPECT_EQ(root, QStringLiteral("C:\\"));
    QString folder = QStringLiteral("C:\\Fotos");
    AddBackslash(folder, Back);
    EXPECT_EQ(folder, QStringLiteral("C:\\Fotos\\"));
    QString empty;
    EXPECT_EQ(AddBackslash(empty, Back), QStringLiteral("\\"));
}

TEST(AddBackslash, SlashPaths)
{
    QString root = QStringLiteral("/");
    EXPECT_EQ(AddBackslash(root, Slash), QStringLiteral("/"));
    QString folder = QStringLiteral("/home/fotos");
    AddBackslash(folder);
    EXPECT_EQ(folder, QStringLiteral("/home/fotos/"));
    QString windows = QStringLiteral("C:\\Fotos\\");
    EXPECT_EQ(AddBackslash(windows, Slash), QStringLiteral("C:\\Fotos\\/"));
}

struct PartCase
{
    const char *path;
    QChar separator;
    const char *folder;
    const char *name;
};

TEST(FolderPartAndFileNamePart, BothSeparators)
{
    // A leading "\" is dropped, but a leading "/" is the root and stays.
    const PartCase cases[] = {
        {"C:\\Fotos\\bild.jpg", Back, "C:\\Fotos", "bild.jpg"},
        {"C:\\bild.jpg", Back, "C:", "bild.jpg"},
        {"\\Fotos\\", Back, "Fotos", "Fotos"},
        {"C:\\Fotos\\2016\\", Back, "C:\\Fotos", "2016"},
        {"bild.jpg", Back, "bild.jpg", "bild.jpg"},
        {"/home/fotos/bild.jpg", Slash, "/home/fotos", "bild.jpg"},
        {"/home/fotos/2016/", Slash, "/home/fotos", "2016"},
        {"/bild.jpg", Slash, "/", "bild.jpg"},
        {"/fotos/", Slash, "/", "fotos"},
        {"/", Slash, "/", ""},
        {"fotos/bild.jpg", Slash, "fotos", "bild.jpg"},
        {"bild.jpg", Slash, "bild.jpg", "bild.jpg"},
        {"", Slash, "", ""}};
    for (const PartCase &c : cases) {
        const QString path = QString::fromLatin1(c.path);
        EXPECT_EQ(FolderPart(path, c.separator), QString::fromLatin1(c.folder)) << c.path;
        EXPECT_EQ(FileNamePart(path, c.separator), QString::fromLatin1(c.name)) << c.path;
    }
    EXPECT_EQ(FolderPart(QStringLiteral("/home/fotos/bild.jpg")), QStringLiteral("/home/fotos"));
    EXPECT_EQ(FileNamePart(QStringLiteral("/home/fotos/bild.jpg")), QStringLiteral("bild.jpg"));
}

TEST(TitleCasePath, BothSeparators)
{
    EXPECT_EQ(TitleCasePath(QStringLiteral("c:\\FOTOS\\urlaub 2016\\img_0001.JPG"), Back),
              QStringLiteral("C:\\Fotos\\Urlaub 2016\\Img_0001.jpg"));
    EXPECT_EQ(TitleCasePath(QStringLiteral("/FOTOS/urlaub 2016/img_0001.JPG"), Slash),
              QStringLiteral("/Fotos/Urlaub 2016/Img_0001.jpg"));
    EXPECT_EQ(TitleCasePath(QStringLiteral("a-b(c d_e/ÄRGER")), QStringLiteral("A-B(C D_E/Ärger"));
    EXPECT_EQ(TitleCasePath(QString()), QString());
}

TEST(LongNameOf, ExistingPathComesBackAbsoluteAndClean)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Fotos")));
    Touch(dir.filePath(QStringLiteral("Fotos/Bild.JPG")));
    const QString expected = QDir(dir.path()).canonicalPath() + QStringLiteral("/Fotos/Bild.JPG");
    EXPECT_EQ(LongNameOf(QDir(dir.path()).canonicalPath() + QStringLiteral("/Fotos/./../Fotos//Bild.JPG")),
              expected);
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    EXPECT_EQ(LongNameOf(QStringLiteral("Fotos/Bild.JPG")), expected);
    QDir::setCurrent(cwd);
}

TEST(LongNameOf, NamesThatLookLikeWildcards)
{
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath();
    for (const char *name : {"Fotos [2016]", "Fotos 2", "F*", "Fotos ?"})
        ASSERT_TRUE(QDir(root).mkdir(QString::fromLatin1(name)));
    for (const char *name : {"Fotos [2016]", "F*", "Fotos ?"}) {
        const QString path = root + QLatin1Char('/') + QString::fromLatin1(name);
        EXPECT_EQ(LongNameOf(path), path);
    }
}

TEST(LongNameOf, MissingPathComesBackUnchanged)
{
    EXPECT_EQ(LongNameOf(QStringLiteral("/nicht/da/img_0001.JPG")), QStringLiteral("/nicht/da/img_0001.JPG"));
    EXPECT_EQ(LongNameOf(QStringLiteral("c:\\FOTOS\\x.JPG")), QStringLiteral("c:\\FOTOS\\x.JPG"));
    EXPECT_EQ(LongNameOf(QString()), QString());
}

TEST(FileExists, OnlyReadableFiles)
{
    OpenTemporaryDir dir;
    const QString file = dir.file(QStringLiteral("bild.jpg"));
    Touch(file);
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.file(QStringLiteral("fehlt.jpg"))));
    EXPECT_FALSE(FileExists(QString()));

    const QString locked = dir.file(QStringLiteral("gesperrt.jpg"));
    Touch(locked);
    ::chmod(QFile::encodeName(locked).constData(), 0000);
    EXPECT_TRUE(RunUnprivileged([&] { return FileExists(file) && !FileExists(locked); }));
}

TEST(FolderExists, ListableFoldersOnly)
{
    OpenTemporaryDir dir;
    EXPECT_TRUE(FolderExists(dir.path()));
    QString withSeparator = dir.path();
    EXPECT_TRUE(FolderExists(AddBackslash(withSeparator)));
    EXPECT_FALSE(FolderExists(dir.file(QStringLiteral("fehlt"))));
    EXPECT_FALSE(FolderExists(QString()));
    const QString file = dir.file(QStringLiteral("bild.jpg"));
    Touch(file);
    EXPECT_FALSE(FolderExists(file));

    const QString closed = dir.file(QStringLiteral("zu"));
    ASSERT_TRUE(QDir().mkdir(closed));
    ::chmod(QFile::encodeName(closed).constData(), 0000);
    EXPECT_TRUE(RunUnprivileged([&] { return FolderExists(dir.path()) && !FolderExists(closed); }));
}

TEST(CreateFolderPath, CreatesMissingLevelsWithoutMovingTheWorkingFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("A")));
    const QString cwd = QDir::currentPath();
    QString path = dir.filePath(QStringLiteral("A/B/C"));
    EXPECT_TRUE(CreateFolderPath(path));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("A/B/C/")));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("A/B/C"))).isDir());
    EXPECT_EQ(QDir::currentPath(), cwd);

    EXPECT_TRUE(CreateFolderPath(path));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("A/B/C/")));
    QString empty;
    EXPECT_FALSE(CreateFolderPath(empty));
}

TEST(CreateFolderPath, RelativePath)
{
    QTemporaryDir dir;
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QString path = QStringLiteral("X/Y");
    EXPECT_TRUE(CreateFolderPath(path));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("X/Y"))).isDir());
    QDir::setCurrent(cwd);
}

TEST(CreateFolderPath, FailsAtTheFirstLevelItCannotMake)
{
    OpenTemporaryDir dir;
    Touch(dir.file(QStringLiteral("datei")));
    QString throughFile = dir.file(QStringLiteral("datei/B"));
    EXPECT_FALSE(CreateFolderPath(throughFile));

    const QString readOnly = dir.file(QStringLiteral("nurlesen"));
    ASSERT_TRUE(QDir().mkdir(readOnly));
    ::chmod(QFile::encodeName(readOnly).constData(), 0555);
    EXPECT_TRUE(RunUnprivileged([&] {
        QString path = readOnly + QStringLiteral("/B/C");
        return !CreateFolderPath(path) && path == readOnly + QStringLiteral("/B/C/");
    }));
    EXPECT_FALSE(QFileInfo::exists(readOnly + QStringLiteral("/B")));
}

TEST(StripQuotes, RemovesQuotesTheOldWay)
{
    // After a removed quote the next two characters are passed over.
    const std::pair<const char *, const char *> cases[] = {
        {"\"/home/fotos/urlaub 2016\"", "/home/fotos/urlaub 2016"},
        {"\"C:\\Fotos\\\"", "C:\\Fotos\\"},
        {"/home/fotos", "/home/fotos"},
        {"a\"\"b", "a\"b"},
        {"\"a\"b\"", "a\"b"},
        {"", ""}};
    for (const auto &[before, after] : cases) {
        QString text = QString::fromLatin1(before);
        EXPECT_EQ(StripQuotes(text), QString::fromLatin1(after)) << before;
        EXPECT_EQ(text, QString::fromLatin1(after));
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
