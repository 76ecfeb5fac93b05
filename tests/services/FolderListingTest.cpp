#include "services/FolderListing.h"
#include "services/ImageTypes.h"

#include "tests/support/TestFiles.h"
#include "tests/support/TestPhotos.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>

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

    QTemporaryDir dir;
};

}

// Files and links to files, no folders or hidden files, in a file manager's
// order (also under the C locale); names that differ only in case in a fixed one.
TEST_F(ListingTest, FilesOnlyInNaturalOrder)
{
    TouchAll({u"bild10.jpg"_qs, u"bild2.jpg"_qs, u"Bild1.JPG"_qs, u"äpfel.png"_qs, u"Zebra.gif"_qs, u"notiz.txt"_qs,
              u".versteckt.jpg"_qs, u"b.jpg"_qs, u"B.jpg"_qs});
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"ordner.jpg"_qs));
    ASSERT_TRUE(QFile::link(dir.filePath(u"bild2.jpg"_qs), dir.filePath(u"link.jpg"_qs)));
    ASSERT_TRUE(QFile::link(dir.filePath(u"fehlt.jpg"_qs), dir.filePath(u"kaputt.jpg"_qs)));
    for (const QLocale &locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        QLocale::setDefault(locale);
        bool ok = false;
        QStringList names = ListMatchingFiles(dir.path(), ImagePattern(), &ok);
        EXPECT_TRUE(ok);
        ASSERT_EQ(names.size(), 8);
        EXPECT_EQ(ListMatchingFiles(dir.path(), ImagePattern()), names);
        names.removeIf([](const QString &name) { return name.compare(u"b.jpg", Qt::CaseInsensitive) == 0; });
        EXPECT_EQ(names, (QStringList{u"äpfel.png"_qs, u"Bild1.JPG"_qs, u"bild2.jpg"_qs, u"bild10.jpg"_qs,
                                      u"link.jpg"_qs, u"Zebra.gif"_qs}));
    }
}

TEST_F(ListingTest, WildcardsIgnoreCaseAndEachOneCounts)
{
    TouchAll({u"bild.jpg"_qs, u"BILD2.JPG"_qs, u"scan.Tif"_qs, u"x.jps"_qs, u"bild.jpg.txt"_qs, u"bildjpg"_qs,
              u"IMG_1.CR3"_qs, u"ÄRGER.JPG"_qs, u"a1.jpg"_qs, u"ab1.png"_qs, u"ohne"_qs, u"a*b"_qs, u"aXbYb"_qs,
              u"aXbYc"_qs});
    const struct { QString pattern; QStringList expected; } cases[] = {
        {ImagePattern(), {u"a1.jpg"_qs, u"ab1.png"_qs, u"ÄRGER.JPG"_qs, u"bild.jpg"_qs, u"BILD2.JPG"_qs,
                          u"IMG_1.CR3"_qs, u"scan.Tif"_qs}},
        {u"ärger.*"_qs, {u"ÄRGER.JPG"_qs}}, {u" ?1.jpg ; *.gif"_qs, {u"a1.jpg"_qs}},
        {u"a**b"_qs, {u"a*b"_qs, u"aXbYb"_qs}}, {u"a*b"_qs, {u"a*b"_qs, u"aXbYb"_qs}}, {u"o*"_qs, {u"ohne"_qs}},
        {u"*b?b"_qs, {u"aXbYb"_qs}}, {u"ild.jpg"_qs, {}},
        {QString(), {}}, {u";;"_qs, {}}};
    for (const auto &c : cases) {
        QStringList listed = ListMatchingFiles(dir.path(), c.pattern);
        QStringList expected = c.expected;
        listed.sort(Qt::CaseInsensitive);
        expected.sort(Qt::CaseInsensitive);
        EXPECT_EQ(listed, expected) << c.pattern.toStdString();
    }
    EXPECT_EQ(ListMatchingFiles(dir.path(), u"*.*"_qs).size(), 14);
}
