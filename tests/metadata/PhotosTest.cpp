#include "metadata/ExifNumberText.h"
#include "metadata/ExifReader.h"
#include "tests/support/CaptureTimePrinter.h"

#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QStringList samplePhotos(const QString &folder = QStringLiteral(FOTLEX_TESTDATA))
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(u".md") && !path.endsWith(u"README"))
            files << path;
    }
    files.sort();
    return files;
}

// No crash, the same reading from memory, and ExifTimeOf agrees with the full parse.
TEST(PhotosTest, EveryPhotoParsesTheSameFromFileAndMemory)
{
    const QStringList files = samplePhotos() + samplePhotos(QStringLiteral(FOTLEX_FORMATS));
    ASSERT_GE(files.size(), 58);
    ExifReader fromFile;
    ExifReader fromMemory;
    for (const QString &path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray content = file.readAll();
        fromFile.setImageFile(path);
        fromMemory.setImageBytes(content);
        EXPECT_NE(fromFile.readStatus(), ExifReadStatus::Unreadable) << path.toStdString();
        EXPECT_EQ(fromMemory.readStatus(), fromFile.readStatus()) << path.toStdString();
        EXPECT_EQ(fromMemory.ListInfo(), fromFile.ListInfo()) << path.toStdString();
        EXPECT_EQ(ExifReader::ExifTimeOf(path), fromFile.ExifTime()) << path.toStdString();
        EXPECT_EQ(ExifReader::ExifTimeOfBytes(content), fromFile.ExifTime()) << path.toStdString();
    }
}

// The reader's text of a tag, or "-" when the file has no such entry.
QString tagText(const ExifReader &reader, int32_t id)
{
    QString text;
    const auto result = reader.MetaInfo(id, text);
    if (std::holds_alternative<ExifError>(result) || text.startsWith(u"Tag "))
        return QStringLiteral("-");
    return text;
}

// What the reader should show for ExifTool's value of a column.
QString expectedText(int column, const QString &exiftool)
{
    if (exiftool == u"-")
        return exiftool;
    switch (column) {
    case 4: // FNumber
        return QString::number(std::round(exiftool.toDouble() * 10) / 10, 'f', 1);
    case 5: // ExposureTime: "1/N", or seconds
        return ExposureTimeText(exiftool.toDouble(), QLocale::c());
    case 6: // ISO: the first of several values
        return exiftool.section(u' ', 0, 0);
    case 9: // GPSPosition: latitude and longitude in degrees
        return QString::number(exiftool.section(u' ', 0, 0).toDouble(), 'f', 6) + u' '
               + QString::number(exiftool.section(u' ', 1, 1).toDouble(), 'f', 6);
    default:
        return exiftool;
    }
}

// The reader's value of a column that no tag holds.
QString derivedText(const ExifReader &reader, int column)
{
    if (column == 7) {
        const auto size = reader.ImageSize();
        return size ? QString::number(size->width()) + u' ' + QString::number(size->height()) : QStringLiteral("-");
    }
    const auto gps = reader.Summary().gps;
    return gps ? QString::number(gps->latitude, 'f', 6) + u' ' + QString::number(gps->longitude, 'f', 6)
               : QStringLiteral("-");
}

// The capture time the reader should name: DateTimeOriginal, else the first
// XMP time with seconds ("YYYY:MM:DD HH:MM:SS" and maybe more).
QString expectedTime(const QStringList &cells)
{
    for (const int c : {2, 10, 11, 12}) {
        if (cells.value(c).size() >= 19 && cells[c].at(16) == u':')
            return cells[c].left(19);
    }
    return {};
}

// Returns the number of files compared.
int compareWithExifTool(const QString &folder, const QString &expectedValues)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QFile file(expectedValues);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList columns{"folder", "file", "DateTimeOriginal", "Model", "FNumber", "ExposureTime", "ISO",
                              "ImageSize", "OffsetTimeOriginal", "GPSPosition"};
    const int32_t ids[] = {0, 0, 36867, 272, 33437, 33434, 34855, 0, 36881, 0};
    QMap<QString, QString> differs;
    int photos = 0;
    ExifReader reader;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        const QStringList cells = line.split(u'\t');
        if (line.startsWith(u'#'))
            continue;
        if (cells.value(0) == u"differs") {
            EXPECT_GE(cells.size(), 4);
            differs[cells[1] + u'\t' + cells[2]] = cells.value(3);
            continue;
        }
        EXPECT_EQ(cells.size(), 13) << line.toStdString();
        const QString path = cells[0] + u'/' + cells[1];
        reader.setImageFile(folder + u'/' + path);
        ++photos;
        for (int c = 2; c < columns.size(); ++c) {
            const QString got = ids[c] ? tagText(reader, ids[c]) : derivedText(reader, c);
            const QString expected = differs.value(path + u'\t' + columns[c], expectedText(c, cells[c]));
            EXPECT_EQ(got, expected) << path.toStdString() << " " << columns[c].toStdString();
        }
        const auto time = reader.ExifTime();
        EXPECT_EQ(time ? time->exifText() : QString(), expectedTime(cells)) << path.toStdString();
    }
    return photos;
}

// The sample photos and the files of today's cameras, each folder with its
// expected values (the sample folder's two README files are listed too).
TEST(PhotosTest, AgreesWithExifTool)
{
    const QString formats = QStringLiteral(FOTLEX_FORMATS);
    EXPECT_EQ(compareWithExifTool(QStringLiteral(FOTLEX_TESTDATA), QStringLiteral(FOTLEX_EXPECTED_VALUES)),
              samplePhotos().size() + 2);
    EXPECT_EQ(compareWithExifTool(formats, formats + QStringLiteral("/../../metadata/formats-expected.txt")),
              samplePhotos(formats).size());
}

}
