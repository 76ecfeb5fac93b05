#include "services/FolderListing.h"

#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

void Touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class ListingTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void TouchAll(const QStringList &names)
    {
        for (const QString &name : names)
            Touch(dir.filePath(name));
    }

    QTemporaryDir dir;
};

}

TEST(MatchesPattern, IgnoresCaseAndChecksEveryWildcard)
{
    EXPECT_TRUE(MatchesPattern(QStringLiteral("bild.jpg"), ImagePattern));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("BILD.JPG"), ImagePattern));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("scan.Tif"), ImagePattern));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("x.jps"), ImagePattern));
    EXPECT_TRUE(MatchesPattern(QStringLiteral(".jpg"), ImagePattern));
    EXPECT_FALSE(MatchesPattern(QStringLiteral("bild.jpg.txt"), ImagePattern));
    EXPECT_FALSE(MatchesPattern(QStringLiteral("bildjpg"), ImagePattern));
    EXPECT_FALSE(MatchesPattern(QStringLiteral("bild.tiff"), ImagePattern));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("ÄRGER.JPG"), QStringLiteral("ärger.*")));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("a1.jpg"), QStringLiteral(" ?1.jpg ; *.png")));
    EXPECT_FALSE(MatchesPattern(QStringLiteral("ab1.jpg"), QStringLiteral("?1.jpg")));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("ohne"), QStringLiteral("*.*")));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("a*b"), QStringLiteral("a**b")));
    EXPECT_TRUE(MatchesPattern(QStringLiteral("aXbYb"), QStringLiteral("a*b")));
    EXPECT_FALSE(MatchesPattern(QStringLiteral("aXbYc"), QStringLiteral("a*b")));
    EXPECT_FALSE(MatchesPattern(QStringLiteral("bild.jpg"), QString()));
    EXPECT_FALSE(MatchesPattern(QStringLiteral("bild.jpg"), QStringLiteral(";;")));
}

TEST_F(ListingTest, FilesOnlyInNaturalOrder)
{
    TouchAll({QStringLiteral("bild10.jpg"), QStringLiteral("bild2.jpg"), QStringLiteral("Bild1.JPG"),
              QStringLiteral("apfel.png"), QStringLiteral("Zebra.gif"), QStringLiteral("äpfel.png"),
              QStringLiteral("notiz.txt"), QStringLiteral(".versteckt.jpg"), QStringLiteral("IMG_0009.jpeg"),
              QStringLiteral("IMG_0010.jpeg")});
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.jpg")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("bild2.jpg")), dir.filePath(QStringLiteral("link.jpg"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("fehlt.jpg")), dir.filePath(QStringLiteral("kaputt.jpg"))));

    bool ok = false;
    EXPECT_EQ(ListMatchingFiles(dir.path(), ImagePattern, &ok),
              (QStringList{QStringLiteral("apfel.png"), QStringLiteral("äpfel.png"), QStringLiteral("Bild1.JPG"),
                           QStringLiteral("bild2.jpg"), QStringLiteral("bild10.jpg"),
                           QStringLiteral("IMG_0009.jpeg"), QStringLiteral("IMG_0010.jpeg"),
                           QStringLiteral("link.jpg"), QStringLiteral("Zebra.gif")}));
    EXPECT_TRUE(ok);
}

TEST_F(ListingTest, NaturalOrderAlsoUnderTheCLocale)
{
    TouchAll({QStringLiteral("IMG_10.jpg"), QStringLiteral("img_2.jpg"), QStringLiteral("Zebra.jpg"),
              QStringLiteral("apfel.jpg")});
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    const QStringList names = ListMatchingFiles(dir.path(), ImagePattern);
    QLocale::setDefault(before);
    EXPECT_EQ(names, (QStringList{QStringLiteral("apfel.jpg"), QStringLiteral("img_2.jpg"),
                                  QStringLiteral("IMG_10.jpg"), QStringLiteral("Zebra.jpg")}));
}

TEST_F(ListingTest, NamesThatDifferOnlyInCaseKeepAFixedOrder)
{
    TouchAll({QStringLiteral("b.jpg"), QStringLiteral("B.jpg"), QStringLiteral("a.jpg")});
    const QStringList first = ListMatchingFiles(dir.path(), ImagePattern);
    ASSERT_EQ(first.size(), 3);
    EXPECT_EQ(first.front(), QStringLiteral("a.jpg"));
    EXPECT_EQ(ListMatchingFiles(dir.path(), ImagePattern), first);
}

TEST_F(ListingTest, UnlistableFolders)
{
    bool ok = true;
    EXPECT_TRUE(ListMatchingFiles(dir.filePath(QStringLiteral("fehlt")), ImagePattern, &ok).isEmpty());
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_TRUE(ListMatchingFiles(QString(), ImagePattern, &ok).isEmpty());
    EXPECT_FALSE(ok);
    ok = false;
    EXPECT_TRUE(ListMatchingFiles(dir.path(), ImagePattern, &ok).isEmpty());
    EXPECT_TRUE(ok);

    ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
    const QString closed = dir.filePath(QStringLiteral("zu"));
    ASSERT_TRUE(QDir().mkdir(closed));
    Touch(closed + QStringLiteral("/a.jpg"));
    ::chmod(QFile::encodeName(closed).constData(), 0000);
    EXPECT_TRUE(RunUnprivileged([&] {
        bool listed = true;
        return ListMatchingFiles(closed, ImagePattern, &listed).isEmpty() && !listed;
    }));
    ::chmod(QFile::encodeName(closed).constData(), 0755);
}

TEST_F(ListingTest, TwentyThousandFiles)
{
    for (int i = 1; i <= 20000; ++i)
        Touch(dir.filePath(QStringLiteral("IMG_%1.jpg").arg(i)));
    Touch(dir.filePath(QStringLiteral("liesmich.txt")));
    const QStringList names = ListMatchingFiles(dir.path(), ImagePattern);
    ASSERT_EQ(names.size(), 20000);
    EXPECT_EQ(names.front(), QStringLiteral("IMG_1.jpg"));
    EXPECT_EQ(names.at(9), QStringLiteral("IMG_10.jpg"));
    EXPECT_EQ(names.back(), QStringLiteral("IMG_20000.jpg"));
}
