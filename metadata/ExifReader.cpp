#include "metadata/ExifReader.h"

#include "metadata/ExifParse.h"
#include "metadata/ReaderTexts.h"
#include "metadata/XmpSidecar.h"

ExifReader::ExifReader() : m_tags(1) {}

QString ExifReader::ImageFile() const
{
    return m_imageFile;
}

namespace {

ExifCaptureStamp captureStampOf(const ExifBlock &block)
{
    ExifNumberText numbers;
    const ExifParse parse = ParseExif(block, ExifWalkScope::TimeOnly, numbers);
    if (parse.status != 0)
        return {};
    return CaptureStampFromTags(parse.tags);
}

}

void ExifReader::setImageFile(const QString &path)
{
    m_imageFile = path;
    takeParse(ReadExifBlock(path));
    if (m_readStatus != ExifReadStatus::Unreadable && !ExifTime())
        m_sidecarTime = FindSidecarCaptureTime(path);
}

void ExifReader::setImageBytes(QByteArrayView file)
{
    m_imageFile.clear();
    takeParse(ReadExifBlockInMemory(file));
}

void ExifReader::takeParse(const ExifBlock &block)
{
    ExifNumberText numbers;
    ExifParse parse = ParseExif(block, ExifWalkScope::AllEntries, numbers);
    // The error of a failed parse is dropped; readStatus tells the caller.
    m_readStatus = ExifReadStatus(parse.status);
    m_emptyFile = block.outcome == ExifBlock::Outcome::Empty;
    m_imageSize.reset();
    if (const auto &g = block.geometry) {
        const bool turned = !g->upright && parse.orientation.value_or(1) >= 5;
        m_imageSize = turned ? QSize(g->height, g->width) : QSize(g->width, g->height);
    }
    m_sidecarTime.reset();
    if (parse.status == 0) {
        m_tags = std::move(parse.tags);
        m_listed = parse.listed;
        m_gps = parse.gps;
        m_orientation = parse.orientation;
    }
}

bool ExifReader::EmptyFile() const
{
    return m_emptyFile;
}

std::optional<QSize> ExifReader::ImageSize() const
{
    return m_imageSize;
}

ExifReadStatus ExifReader::readStatus() const
{
    return m_readStatus;
}

const std::vector<ExifTag> &ExifReader::Tags() const
{
    return m_tags;
}

std::span<const ExifTag> ExifReader::ListedTags() const
{
    if (m_readStatus != ExifReadStatus::Present)
        return {};
    return std::span<const ExifTag>(m_tags).subspan(1, std::min(m_listed, m_tags.size() - 1));
}

std::variant<int32_t, ExifError> ExifReader::MetaInfo(int32_t id, QString &text) const
{
    if (m_readStatus == ExifReadStatus::NoExif)
        return ExifError{10, QStringLiteral("MetaInfo"), ReaderTexts::NoExifData()};
    if (m_readStatus == ExifReadStatus::Unreadable)
        return ExifError{11, QStringLiteral("MetaInfo"), ReaderTexts::ReadError()};
    for (size_t i = 1; i < m_tags.size(); ++i) {
        if (m_tags[i].id == id) {
            text = m_tags[i].text;
            return RoundToInt32(m_tags[i].value).value_or(0);
        }
    }
    text = ReaderTexts::TagNotFound(id);
    return 0;
}

QString ExifReader::ListInfo() const
{
    if (m_readStatus == ExifReadStatus::NoExif)
        return ReaderTexts::NoExifData();
    if (m_readStatus == ExifReadStatus::Unreadable)
        return ReaderTexts::ReadError();
    QString list;
    const std::span<const ExifTag> listed = ListedTags();
    for (const ExifTag &tag : listed)
        list += tag.name + QStringLiteral(": ") + tag.text + QStringLiteral("\r\n");
    const size_t rest = m_tags.size() - 1 - listed.size();
    if (rest > 0)
        list += ReaderTexts::MoreEntries(int64_t(rest)) + QStringLiteral("\r\n");
    return list;
}

std::optional<CaptureTime> ExifReader::ExifTimeOf(const QString &path)
{
    return captureStampOf(ReadExifBlock(path, ExifWalkScope::TimeOnly)).time;
}

std::optional<CaptureTime> ExifReader::ExifTimeOfBytes(QByteArrayView file)
{
    return captureStampOf(ReadExifBlockInMemory(file, ExifWalkScope::TimeOnly)).time;
}

ExifCaptureStamp ExifReader::CaptureStampOf(int fd, int64_t size, QByteArray head)
{
    return captureStampOf(ReadExifBlockOfOpenFile(fd, size, std::move(head), ExifWalkScope::TimeOnly));
}
