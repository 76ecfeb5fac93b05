#include "services/FolderListing.h"
#include "services/ImageTypes.h"

#include "Unprivileged.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

class ListingTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void TouchAll(const QStringList &names)
    {
        for (const QString &name : names)
            ASSERT_TRUE(WriteBytes(dir.filePath(name), {}));
    }

    OpenTemporaryDir dir;
};

}

TEST(MatchesPattern, IgnoresCaseAndChecksEveryWildcard)
{
    const struct { const char16_t *name; QString pattern; bool matches; } cases[] = {
        {u"bild.jpg", ImagePattern(), true}, {u"BILD.JPG", ImagePattern(), true}, {u"scan.Tif", ImagePattern(), true},
        {u"x.jps", ImagePattern(), false}, {u".jpg", ImagePattern(), true}, {u"bild.jpg.txt", ImagePattern(), false},
        {u"bildjpg", ImagePattern(), false}, {u"bild.tiff", ImagePattern(), true}, {u"IMG_1.CR3", ImagePattern(), true},
        {u"ÄRGER.JPG", u"ärger.*"_qs, true}, {u"a1.jpg", u" ?1.jpg ; *.png"_qs, true},
        {u"ab1.jpg", u"?1.jpg"_qs, false}, {u"ohne", u"*.*"_qs, true}, {u"a*b", u"a**b"_qs, true},
        {u"aXbYb", u"a*b"_qs, true}, {u"aXbYc", u"a*b"_qs, false}, {u"bild.jpg", QString(), false},
        {u"bild.jpg", u";;"_qs, false}};
    for (const auto &c : cases)
        EXPECT_EQ(MatchesPattern(QString::fromUtf16(c.name), c.pattern), c.matches)
            << QString::fromUtf16(c.name).toStdString() << " " << c.pattern.toStdString();
}

TEST_F(ListingTest, FilesOnlyInNaturalOrder)
{
    TouchAll({u"bild10.jpg"_qs, u"bild2.jpg"_qs, u"Bild1.JPG"_qs, u"apfel.png"_qs, u"Zebra.gif"_qs, u"äpfel.png"_qs,
              u"notiz.txt"_qs, u".versteckt.jpg"_qs, u"IMG_0009.jpeg"_qs, u"IMG_0010.jpeg"_qs});
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"ordner.jpg"_qs));
    ASSERT_TRUE(QFile::link(dir.filePath(u"bild2.jpg"_qs), dir.filePath(u"link.jpg"_qs)));
    ASSERT_TRUE(QFile::link(dir.filePath(u"fehlt.jpg"_qs), dir.filePath(u"kaputt.jpg"_qs)));

    bool ok = false;
    EXPECT_EQ(ListMatchingFiles(dir.path(), ImagePattern(), &ok),
              (QStringList{u"apfel.png"_qs, u"äpfel.png"_qs, u"Bild1.JPG"_qs, u"bild2.jpg"_qs, u"bild10.jpg"_qs,
                           u"IMG_0009.jpeg"_qs, u"IMG_0010.jpeg"_qs, u"link.jpg"_qs, u"Zebra.gif"_qs}));
    EXPECT_TRUE(ok);
}

TEST_F(ListingTest, NaturalAndFixedOrderAlsoUnderTheCLocale)
{
    TouchAll({u"IMG_10.jpg"_qs, u"img_2.jpg"_qs, u"Zebra.jpg"_qs, u"apfel.jpg"_qs, u"b.jpg"_qs, u"B.jpg"_qs});
    const QStringList german = ListMatchingFiles(dir.path(), ImagePattern());
    ASSERT_EQ(german.size(), 6);
    EXPECT_EQ(german.front(), u"apfel.jpg");
    // Names that differ only in case keep a fixed order.
    EXPECT_EQ(ListMatchingFiles(dir.path(), ImagePattern()), german);

    QLocale::setDefault(QLocale::c());
    QStringList names = ListMatchingFiles(dir.path(), ImagePattern());
    names.removeIf([](const QString &name) { return name.compare(u"b.jpg", Qt::CaseInsensitive) == 0; });
    EXPECT_EQ(names, (QStringList{u"apfel.jpg"_qs, u"img_2.jpg"_qs, u"IMG_10.jpg"_qs, u"Zebra.jpg"_qs}));
}

TEST_F(ListingTest, UnlistableFolders)
{
    for (const QString &folder : {dir.filePath(u"fehlt"_qs), QString()}) {
        bool ok = true;
        EXPECT_TRUE(ListMatchingFiles(folder, ImagePattern(), &ok).isEmpty());
        EXPECT_FALSE(ok);
    }
    bool ok = false;
    EXPECT_TRUE(ListMatchingFiles(dir.path(), ImagePattern(), &ok).isEmpty());
    EXPECT_TRUE(ok);

    const QString closed = dir.filePath(u"zu"_qs);
    ASSERT_TRUE(QDir().mkdir(closed) && WriteBytes(closed + u"/a.jpg"_qs));
    SetMode(closed, 0000);
    EXPECT_TRUE(RunUnprivileged([&] {
        bool listed = true;
        return ListMatchingFiles(closed, ImagePattern(), &listed).isEmpty() && !listed;
    }));
    SetMode(closed, 0755);
}

TEST_F(ListingTest, NamesThatAreNoUtf8AreSetApart)
{
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/Urlaub \xe4.jpg";
    const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_TRUE(WriteBytes(dir.filePath(u"Urlaub ä.jpg"_qs)));
    QStringList notUtf8;
    EXPECT_EQ(ListMatchingFiles(dir.path(), ImagePattern(), nullptr, &notUtf8), QStringList{u"Urlaub ä.jpg"_qs});
    EXPECT_EQ(notUtf8, QStringList{QStringLiteral("Urlaub \uFFFD.jpg")});
    ::unlink(latin1.constData());
}

TEST_F(ListingTest, TwentyThousandFiles)
{
    for (int i = 1; i <= 20000; ++i)
        ASSERT_TRUE(WriteBytes(dir.filePath(u"IMG_%1.jpg"_qs.arg(i)), {}));
    ASSERT_TRUE(WriteBytes(dir.filePath(u"liesmich.txt"_qs)));
    const QStringList names = ListMatchingFiles(dir.path(), ImagePattern());
    ASSERT_EQ(names.size(), 20000);
    EXPECT_EQ(names.front(), u"IMG_1.jpg");
    EXPECT_EQ(names.at(9), u"IMG_10.jpg");
    EXPECT_EQ(names.back(), u"IMG_20000.jpg");
}
