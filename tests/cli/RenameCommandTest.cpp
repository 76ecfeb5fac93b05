#include "TestPhotos.h"

#include "cli/RenameCommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

class RenameCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        dir = temp.path();
        WriteExifJpeg(dir + "/IMG_2.jpg", QByteArray("2016:08:28 02:25:10"), "2");
        WriteExifJpeg(dir + "/IMG_1.JPEG", QByteArray("2016:08:28 02:24:00"), "1");
        WriteExifJpeg(dir + "/ohne.jpg", std::nullopt, "ohne");
        QFile notes(dir + "/notes.txt");
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    }

    int run(const QStringList &arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        return RenameCommand(arguments, out, err, false);
    }

    QStringList lines() const { return output.split('\n', Qt::SkipEmptyParts); }
    QStringList files() const { return QDir(dir).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir temp;
    QString dir, output, errors;
};

} // namespace

TEST_F(RenameCommandTest, FolderIsRenamedInListOrder)
{
    EXPECT_EQ(run({dir}), 0);
    EXPECT_EQ(lines(), QStringList({dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 02-24-00.jpg",
                                    dir + "/IMG_2.jpg -> " + dir + "/2016-08-28 - 02-25-10.jpg",
                                    dir + "/ohne.jpg: übersprungen (keine EXIF-Zeit)",
                                    "2 umbenannt, 1 übersprungen, 0 fehlgeschlagen"}));
    EXPECT_EQ(files(), QStringList({"2016-08-28 - 02-24-00.jpg", "2016-08-28 - 02-25-10.jpg",
                                    "notes.txt", "ohne.jpg"}));
}

TEST_F(RenameCommandTest, DryRunPrintsTheSameAndChangesNothing)
{
    const auto before = FolderContents(dir);
    EXPECT_EQ(run({"--dry-run", "--file-times", dir + "/"}), 0);
    EXPECT_EQ(lines().first(), dir + "/IMG_1.JPEG -> " + dir + "/2016-08-28 - 02-24-00.jpg");
    EXPECT_EQ(lines().last(), "2 umbenannt, 1 übersprungen, 0 fehlgeschlagen");
    EXPECT_EQ(FolderContents(dir), before);
}

TEST_F(RenameCommandTest, FreezeNamesGivenFilesWithLetters)
{
    EXPECT_EQ(run({"--freeze", "2020:01:02 03:04:05", dir + "/ohne.jpg", dir + "/IMG_2.jpg",
                   dir + "/notes.txt"}),
              0);
    EXPECT_EQ(lines(), QStringList({dir + "/ohne.jpg -> " + dir + "/2020-01-02 - 03-04-05a.jpg",
                                    dir + "/IMG_2.jpg -> " + dir + "/2020-01-02 - 03-04-05b.jpg",
                                    dir + "/notes.txt: übersprungen (kein Bildtyp der Dateiliste)",
                                    "2 umbenannt, 1 übersprungen, 0 fehlgeschlagen"}));
}

TEST_F(RenameCommandTest, FailureSetsExitStatusOne)
{
    EXPECT_EQ(run({dir + "/fehlt.jpg", dir + "/IMG_2.jpg"}), 1);
    EXPECT_TRUE(lines().first().startsWith(dir + "/fehlt.jpg: fehlgeschlagen (nicht lesbar: "));
    EXPECT_EQ(lines().last(), "1 umbenannt, 0 übersprungen, 1 fehlgeschlagen");
}

TEST_F(RenameCommandTest, WrongUsageIsStatusTwoAndTouchesNothing)
{
    for (const QStringList &args : {QStringList{}, QStringList{"--dry-run"}, QStringList{"--bogus", dir},
                                    QStringList{"--freeze"}, QStringList{"--freeze", "0000:00:00 00:00:00", dir},
                                    QStringList{"--freeze", "2016:08:28", dir},
                                    QStringList{"--freeze", "2016:08:28T02:24:00", dir}}) {
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(output.isEmpty());
        EXPECT_TRUE(errors.contains("Aufruf: fotlex-cli rename"));
    }
    EXPECT_TRUE(files().contains("IMG_2.jpg"));
}
