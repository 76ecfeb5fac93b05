#pragma once

#include "metadata/CaptureTime.h"
#include "metadata/ExifSummary.h"

#include <QByteArrayView>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

struct ExifBlock;

// When a photo was taken, or why that is not known: without a capture time
// tag both are empty; a tag whose text is no real time leaves that text
// (less trailing blanks) in `text`, for the user to see.
struct ExifCaptureStamp
{
    std::optional<CaptureTime> time;
    QString text;
    CaptureSource source = CaptureSource::Exif;
    QString camera;  // the Model tag, read beside the time: undo tells photos by both
    QString make;    // the Make tag, for names by pattern
};

// One directory entry of IFD0, the Exif or the GPS directory, or a value a
// container gives in their stead (a video's creation time, an XMP time).
struct ExifTag
{
    int32_t id = 0;
    QString name;
    int32_t type = 0;
    int32_t count = 0;
    double value = 0;
    QString text;
    bool gps = false; // an entry of the GPS directory, whose ids are its own
};

// A failure of the reader: number, the routine it came from and a German text.
struct ExifError
{
    int number = 0;
    QString source;
    QString description;
};

// How the last parse went.
enum class ExifReadStatus : uint8_t {
    Present = 0,     // EXIF data read
    NoExif = 1,      // the file holds no EXIF data
    Unreadable = 2,  // the file could not be read
};

// The program's own EXIF reader. Setting ImageFile parses the file at once;
// everything else reads the tag list of the last parse.
class ExifReader
{
public:
    ExifReader();

    QString ImageFile() const;
    // Never fails towards the caller; the outcome is in readStatus(). A
    // file without a capture time of its own takes its XMP sidecar's.
    void setImageFile(const QString &path);
    // Parses the whole content of a file held in memory as setImageFile
    // parses the file; ImageFile becomes empty.
    void setImageBytes(QByteArrayView file);

    ExifReadStatus readStatus() const;
    // Unreadable because the file has no bytes at all.
    bool EmptyFile() const;
    // Index 0 is an empty record; entries start at index 1, in file order.
    const std::vector<ExifTag> &Tags() const;
    // The entries ListInfo shows, in file order; none without EXIF data.
    std::span<const ExifTag> ListedTags() const;

    // The number of the first entry with this id (rounded; for a rational
    // shown as one number its quotient) and its text in `text`; for an id
    // that is not in the list 0 and "Tag <id> nicht gefunden.". Without EXIF
    // data an error and `text` untouched.
    std::variant<int32_t, ExifError> MetaInfo(int32_t id, QString &text) const;
    // One line "name: text" CR LF per entry, or the German reason there is
    // none. Past the file's text budget a last line "… N weitere Einträge"
    // stands for the rest.
    QString ListInfo() const;

    // The summary's values; all missing when the file could not be read.
    ExifSummary Summary() const;
    // The picture's size as its image data gives it, upright: EXIF
    // orientations 5 to 8 swap width and height unless the container turned
    // it itself. Nothing when the file gives none (also when it could not be
    // read), whatever its EXIF data claims.
    std::optional<QSize> ImageSize() const;

    // The file's own capture time (as the summary's, without a sidecar's);
    // nullopt when there is none or it holds no real time.
    std::optional<CaptureTime> ExifTime() const;

    // What ExifTime gives after parsing `path`, by the same walk but
    // formatting only the entries it needs: the batch rename's fast road
    // through thousands of files.
    static std::optional<CaptureTime> ExifTimeOf(const QString &path);
    // The same for the whole content of a file held in memory.
    static std::optional<CaptureTime> ExifTimeOfBytes(QByteArrayView file);
    // ExifTimeOf, or the text that holds no time, from one walk of a file
    // the caller holds open, `size` bytes long, whose first bytes it has
    // read into `head` already.
    static ExifCaptureStamp CaptureStampOf(int fd, int64_t size, QByteArray head);

private:
    void takeParse(const ExifBlock &block);

    QString m_imageFile;
    ExifReadStatus m_readStatus = ExifReadStatus::Present;
    bool m_emptyFile = false;
    std::optional<QSize> m_imageSize;
    std::optional<GpsPosition> m_gps;
    std::optional<int> m_orientation;
    std::optional<CaptureTime> m_sidecarTime;
    std::vector<ExifTag> m_tags;
    size_t m_listed = 0;  // the leading entries ListInfo shows
};
