#include "metadata/ByteSource.h"
#include "metadata/ContainerExif.h"
#include "metadata/TiffFile.h"

namespace {

constexpr QByteArrayView kPngSignature("\x89PNG\r\n\x1a\n");

}

bool IsPng(QByteArrayView head)
{
    return head.startsWith(kPngSignature);
}

// After the signature, chunks of length (4, big-endian), type (4), data and
// CRC (4), up to "IEND". The "eXIf" chunk holds a TIFF structure; some
// writers put "Exif\0\0" before it.
ExifBlock LocatePngExif(ByteSource &source)
{
    int64_t pos = kPngSignature.size();
    for (;;) {
        const QByteArrayView head = source.at(pos, 8);
        if (head.size() < 8)
            break;
        const auto length = int64_t(ReadBigEndian(head, 0, 4));
        const QByteArrayView type = head.sliced(4, 4);
        if (type == "IEND")
            break;
        if (type == "eXIf") {
            QByteArray data = source.take(pos + 8, std::min(length, ByteSource::kBaseBytes));
            const int64_t tiff = data.startsWith(QByteArrayView("Exif\0\0", 6)) ? 6 : 0;
            if (!IsTiffHeader(QByteArrayView(data).sliced(std::min<int64_t>(tiff, data.size()))))
                break;
            return {ExifBlock::Outcome::Found, std::move(data), tiff, {}};
        }
        pos += 12 + length;
    }
    return {};
}
